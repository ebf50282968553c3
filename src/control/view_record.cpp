// Fetching a record's bytes and handing them to the model; the information labels.

#include <QPointer>
#include <utility>

#include "control/field_text.h"
#include "control/xvexo_view.h"
#include "platform/qt_wait_hook.h"
#include "platform/record_fetch.h"
#include "records/record_loader.h"
#include "records/record_source.h"

namespace xvexo {

bool TXVexoView::getFile(const QString& FileName, int /*level*/, QString* Error) {
    return LoadAddress(FileName.toStdString(), Error);
}

bool TXVexoView::LoadAddress(const std::string& Address, QString* Error) {
    // A load still waiting for its source gives up: the latest address wins. This load waits
    // with its own hook, so the event loop runs on (paint, timer, clicks) while a download, a
    // pipe or a device is slow. A network address looks the proxy up first; a proxy once found
    // stays with the control.
    if (ActiveWait) ActiveWait->Cancel();
    TQtWaitHook Wait;
    TQtWaitHook* const Outer = std::exchange(ActiveWait, &Wait);
    const QPointer<TXVexoView> Alive(this);
    std::string Body;
    std::string Failure;
    TFetchSettings Settings;
    Settings.Http = HttpLimits;
    Settings.Local = LocalLimits;
    Settings.CaFile = CaFile;
    Settings.GetEnv = Environment;
    const bool Read = FetchRecord(Address, Body, Failure, Wait, Proxy, Settings);
    if (!Alive) {
        // The form was closed while the source was read.
        if (Error) *Error = QString::fromStdString(Failure);
        return false;
    }
    ActiveWait = Outer;
    LastLoadCancelled = Wait.IsCancelled();
    if (!Read) {
        if (Error) *Error = QString::fromStdString(Failure);
        return false;
    }
    return LoadText(Body, FormatOfAddress(Address), Error);
}

void TXVexoView::CancelLoad() {
    if (ActiveWait) ActiveWait->Cancel();
}

void TXVexoView::SetInfoText(int I, const QString& Text) {
    QLabel* L = InfoLabels[I - 1];
    // Automatic size, up to the panel's right edge.
    SetFieldText(*L, Text, L->parentWidget()->width() - L->x() - 4);
    L->adjustSize();
}

bool TXVexoView::LoadText(const std::string& Text, int32_t FormatMode, QString* Error) {
    std::string Message;
    if (Model->LoadText(Text, FormatMode, &Message)) return true;
    if (Error) *Error = QString::fromStdString(Message);
    return false;
}

void TXVexoView::ShowInfoTexts() {
    const TInfoTexts& Info = Model->infoTexts();
    ShownRecordVersion = Model->recordVersion();
    // Nothing of an earlier game survives.
    for (QLabel* L : {bPlayerL, wPlayerL, BGlvlL, WGlvlL}) {
        L->clear();
        L->setToolTip(QString());
    }
    SetFieldText(*eventNameL, QString::fromStdString(Info.Title), eventNameL->width());
    for (int i = 1; i <= static_cast<int>(Info.Lines.size()); ++i)
        SetInfoText(i, QString::fromStdString(Info.Lines[static_cast<size_t>(i - 1)]));
    // Each player's name (wrapped over two lines, or on one line above the rank) and rank.
    const auto Player = [](QLabel& Name, QLabel& Rank, const TPlayerText& P) {
        if (P.RankWritten) SetFieldText(Rank, QString::fromStdString(P.Rank), Rank.width());
        if (P.NameWraps) {
            SetWrappedFieldText(Name, QString::fromStdString(P.Name));
        } else {
            SetFieldText(Name, QString::fromStdString(P.Name), Name.width());
        }
    };
    Player(*bPlayerL, *BGlvlL, Info.Black);
    Player(*wPlayerL, *WGlvlL, Info.White);
}

}  // namespace xvexo
