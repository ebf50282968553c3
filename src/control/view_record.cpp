// Loading a record and showing it: labels, board and comment box.

#include <QPointer>
#include <algorithm>
#include <memory>
#include <utility>

#include "control/board_box.h"
#include "control/field_text.h"
#include "control/reference_window.h"
#include "control/xvexo_view.h"
#include "platform/qt_wait_hook.h"
#include "platform/record_fetch.h"
#include "records/record_loader.h"
#include "records/record_setup.h"
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
    // A new record ends trial play and automatic play first.
    if (ViewMode == kTrial) testEndBtnClick();
    if (!autoEndBtn->isHidden()) autoEndBtnClick();
    AutoPlaying = false;
    Timer->stop();
    // The new record is parsed aside: one that is not shown (a failed load, or a text the
    // parser stopped in) leaves the game on the screen with its own record, so its comments
    // and moves do not come from another text.
    auto Fresh = std::make_unique<TGameRecord>();
    const TLoadResult Result = LoadRecordText(*Fresh, Text, FormatMode);
    if (Result.Failed()) {
        // The message may quote the record (cleaned and bounded): in the record's encoding.
        if (Error) *Error = QString::fromStdString(DecodeText(Result.Error, Result.Encoding));
        return false;
    }
    LastLoadShown = Result.Shown;
    if (!Result.Shown) return true;
    Record = std::move(*Fresh);
    Encoding = Result.Encoding;
    // A diagram of the game before is no diagram of this one.
    if (HelpForm) HelpForm->close();
    ApplyRecord();
    return true;
}

QString TXVexoView::Display(TInfoKind Kind, qsizetype MaxChars) const {
    const std::string* Field = InfoField(Record.Info, Kind);
    if (!Field) return {};
    std::string_view Bytes = *Field;
    // No character takes more than four bytes: the first 4 * MaxChars + 4 bytes decode to more
    // characters than are shown, and a megabyte field costs no more than a short one.
    if (MaxChars >= 0) Bytes = Bytes.substr(0, static_cast<size_t>(MaxChars) * 4 + 4);
    const QString Text =
        QString::fromStdString(DecodeText(Bytes, InfoFieldEncoding(Record, Kind, Encoding)));
    return MaxChars >= 0 ? ElideText(Text, MaxChars) : Text;
}

void TXVexoView::ApplyRecord() {
    // The handicap of the shown game.
    GameInfo.Handicap = static_cast<uint8_t>(Record.HandicapStones & 0xFF);

    // Nothing of an earlier game survives: empty picture, empty player and rank labels. The
    // handicap stones are placed silently, as the moves are.
    Loading = true;
    // A board of the record's lines, sized to the panel (19 lines: as it was).
    const int32_t Lines = std::clamp(Record.BoardSize, kMinBoardSize, kMaxBoardSize);
    if (Lines != Painter->Lines()) {
        Painter->SetLines(Lines);
        pBaseResize();
    }
    TKelGoPB::TStoneGrid Empty{};
    Painter->LoadPosition(Empty);
    MainGoPB->update();
    for (QLabel* L : {bPlayerL, wPlayerL, BGlvlL, WGlvlL})
        L->clear();
    // The reset board reports no move, so the prisoner counts of the new game start here.
    GameInfo.LastX = 0;
    GameInfo.LastY = 0;
    GameInfo.WhitePrisoners = 0;
    GameInfo.BlackPrisoners = 0;
    wDiedSL->setText(QStringLiteral("0"));
    bDiedSL->setText(QStringLiteral("0"));

    // An empty board with the handicap.
    Board->Reset(Lines);
    // With move numbers shown, the new game's stones show their own move index, as after
    // switching numbers on at the start (numbering left at base 1 would count from 2).
    if (numbersShown()) Board->SetNumbering({0, 0, 1});
    Board->SetHandicap(GameInfo.Handicap, 1);

    // The labels: each field elided (the record keeps it whole). A standard SGF record leaves
    // out what it does not know: its labels show nothing after the colon then (the tag and NGF
    // labels read as they always have).
    const auto Field = [this](TInfoKind Kind) { return Display(Kind, kMaxTipChars); };
    const bool Sgf = Record.FormatMode == kFormatSgf;
    SetFieldText(*eventNameL, Field(TInfoKind::Title), eventNameL->width());
    SetInfoText(1, QStringLiteral("日期 : ") + Field(TInfoKind::Date));
    SetInfoText(2, QStringLiteral("地点 : ") + Field(TInfoKind::Place));
    SetInfoText(3, QStringLiteral("用时 : ") + Field(TInfoKind::TimeText));
    const QString Seconds = Field(TInfoKind::ByoyomiSeconds);
    const QString Periods = Field(TInfoKind::ByoyomiCount);
    if (!Sgf) {
        SetInfoText(4, QStringLiteral("读秒 : ") + Seconds + QStringLiteral("秒 ") + Periods +
                           QStringLiteral("次"));
    } else {
        QString Byoyomi;
        if (!Seconds.isEmpty()) Byoyomi += Seconds + QStringLiteral("秒");
        if (!Seconds.isEmpty() && !Periods.isEmpty()) Byoyomi += QLatin1Char(' ');
        if (!Periods.isEmpty()) Byoyomi += Periods + QStringLiteral("次");
        SetInfoText(4, QStringLiteral("读秒 : ") + Byoyomi);
    }
    SetInfoText(5, (Record.KomiMode == 1 ? QStringLiteral("贴目 : ") : QStringLiteral("方式 : ")) +
                       (Sgf ? ElideText(QString::fromStdString(SgfKomiText(Record)), kMaxTipChars)
                            : Field(TInfoKind::Komi)));
    SetInfoText(6, QStringLiteral("结果 : ") + Field(TInfoKind::Result));
    if (Record.FormatMode == kFormatTag) {
        SetWrappedFieldText(*bPlayerL, Field(TInfoKind::BlackName) + QLatin1Char(' ') +
                                           Field(TInfoKind::BlackRank));
        SetWrappedFieldText(*wPlayerL, Field(TInfoKind::WhiteName) + QLatin1Char(' ') +
                                           Field(TInfoKind::WhiteRank));
    } else {
        // NGF and standard SGF: the name above, the rank on its own line below it (a name
        // keeps to one line above a rank, which its second line would run into).
        const auto Player = [](QLabel& Name, QLabel& Rank, const QString& N, const QString& R) {
            SetFieldText(Rank, R, Rank.width());
            if (R.isEmpty()) {
                SetWrappedFieldText(Name, N);
            } else {
                SetFieldText(Name, N, Name.width());
            }
        };
        Player(*bPlayerL, *BGlvlL, Field(TInfoKind::BlackName), Field(TInfoKind::BlackRank));
        Player(*wPlayerL, *WGlvlL, Field(TInfoKind::WhiteName), Field(TInfoKind::WhiteRank));
    }

    // An empty comment box.
    commentM->clearLines();

    // The starting setup and every move, silently; then the move the record opens at.
    if (ApplyStartSetup(Record, *Board)) {
        // The setup went in without point events: the picture takes the board's points.
        TKelGoPB::TStoneGrid Start{};
        for (int32_t Row = 1; Row <= Lines; ++Row) {
            for (int32_t Col = 1; Col <= Lines; ++Col)
                Start[Row - 1][Col - 1] = Board->PointColour(Col, Row);
        }
        Painter->LoadPosition(Start);
    }
    PlayRecordMoves(Record, *Board);
    StepBackTo(*Board, OpeningMove(Record, *Board));
    Loading = false;
    ShowMarks();

    // The notes of the move shown, or the whole-game comment.
    ShowComment();
    if (Record.Info.CommentMode == "1") commentM->addLine(Display(TInfoKind::GameComment));
    RecordShown = true;
    NotifyChange();
}

}  // namespace xvexo
