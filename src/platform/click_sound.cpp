#include "platform/click_sound.h"

#include <unistd.h>

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "platform/resource_store.h"

namespace xvexo {

namespace {

// The sound server is asked for devices only when it can be reached: asking an absent server
// makes the sound system print complaints, and without a device the program says nothing.
bool SoundServerReachable() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) return true;
    QString Runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (Runtime.isEmpty()) Runtime = QStringLiteral("/run/user/%1").arg(getuid());
    return QFileInfo::exists(Runtime + QStringLiteral("/pulse/native"));
}

bool HasAudioOutput() {
    return SoundServerReachable() && !QMediaDevices::defaultAudioOutput().isNull();
}

}  // namespace

TClickSound::TClickSound() {
    // No output device: stay silent rather than let the effect report errors.
    if (!HasAudioOutput()) return;
    Effect = std::make_unique<QSoundEffect>();
    Effect->setSource(QUrl(QStringLiteral("qrc") + ResourcePath("toc", "wav")));
    Effect->setVolume(0.8f);
}

TClickSound::~TClickSound() = default;

void TClickSound::Play() {
    if (!Effect) return;
    // Restarting replaces a click still playing; never wait for the end.
    Effect->stop();
    Effect->play();
}

}  // namespace xvexo
