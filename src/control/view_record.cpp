// Loading a record and showing it: labels, board and comment box.

#include <algorithm>
#include <memory>

#include "control/board_box.h"
#include "control/reference_window.h"
#include "control/xvexo_view.h"
#include "records/record_loader.h"
#include "records/record_setup.h"
#include "records/record_source.h"

namespace xvexo {

bool TXVexoView::getFile(const QString& FileName, int /*level*/, QString* Error) {
    const std::string Address = FileName.toStdString();
    std::string Body;
    std::string Failure;
    if (!ReadRecordSource(Address, Body, Failure)) {
        if (Error) *Error = QString::fromStdString(Failure);
        return false;
    }
    return LoadText(Body, FormatForFileName(Address), Error);
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
        if (Error) *Error = QString::fromStdString(Result.Error);
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

QString TXVexoView::Display(TInfoKind Kind) const {
    const std::string* Field = InfoField(Record.Info, Kind);
    if (!Field) return {};
    return QString::fromStdString(DecodeText(*Field, InfoFieldEncoding(Record, Kind, Encoding)));
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

    // The labels.
    eventNameL->setText(Display(TInfoKind::Title));
    SetInfoText(1, QStringLiteral("日期 : ") + Display(TInfoKind::Date));
    SetInfoText(2, QStringLiteral("地点 : ") + Display(TInfoKind::Place));
    SetInfoText(3, QStringLiteral("用时 : ") + Display(TInfoKind::TimeText));
    SetInfoText(4, QStringLiteral("读秒 : ") + Display(TInfoKind::ByoyomiSeconds) +
                       QStringLiteral("秒 ") + Display(TInfoKind::ByoyomiCount) +
                       QStringLiteral("次"));
    SetInfoText(5, (Record.KomiMode == 1 ? QStringLiteral("贴目 : ") : QStringLiteral("方式 : ")) +
                       Display(TInfoKind::Komi));
    SetInfoText(6, QStringLiteral("结果 : ") + Display(TInfoKind::Result));
    if (Record.FormatMode == kFormatTag) {
        bPlayerL->setText(Display(TInfoKind::BlackName) + QLatin1Char(' ') +
                          Display(TInfoKind::BlackRank));
        wPlayerL->setText(Display(TInfoKind::WhiteName) + QLatin1Char(' ') +
                          Display(TInfoKind::WhiteRank));
    } else if (Record.FormatMode == kFormatNgf) {
        bPlayerL->setText(Display(TInfoKind::BlackName));
        wPlayerL->setText(Display(TInfoKind::WhiteName));
        BGlvlL->setText(Display(TInfoKind::BlackRank));
        WGlvlL->setText(Display(TInfoKind::WhiteRank));
    }

    // An empty comment box.
    commentM->clearLines();

    // The starting setup and every move, silently; a refused move is lost.
    ApplyStartSetup(Record, *Board);
    PlayRecordMoves(Record, *Board);
    Loading = false;
    ShowMarks();

    // The notes of the last move, or the whole-game comment.
    ShowComment();
    if (Record.Info.CommentMode == "1") commentM->addLine(Display(TInfoKind::GameComment));
}

}  // namespace xvexo
