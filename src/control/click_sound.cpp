#include "control/click_sound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace xvexo {

TClickSound::TClickSound() {
    // No output device: stay silent rather than let the effect report errors.
    if (QMediaDevices::defaultAudioOutput().isNull()) return;
    Effect = std::make_unique<QSoundEffect>();
    Effect->setSource(QUrl(QStringLiteral("qrc:/res/TOC.wav")));
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
