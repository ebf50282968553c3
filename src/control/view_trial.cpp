// Trial play (the user's own moves from the current position, undone at the end) and the
// display of move numbers on the stones.

#include <algorithm>

#include "control/board_box.h"
#include "control/ui_images.h"
#include "control/xvexo_view.h"
#include "records/record_loader.h"

namespace xvexo {

namespace {

constexpr TColour kEdgeLabelColour = Rgb(255, 255, 255);

}  // namespace

bool TXVexoView::numbersShown() const {
    return !numEndBtn->isHidden();
}

void TXVexoView::testBtnClick() {
    if (!autoEndBtn->isHidden()) autoEndBtnClick();
    testEndBtn->show();
    testBtn->hide();
    auto Snapshot = std::make_unique<TPosition>();
    Board->GetPosition(*Snapshot);
    PushMode(kTrial, *Snapshot);
    // The panel's new colour repaints the board with its new edge.
    RedrawBoard();
    NotifyChange();
}

void TXVexoView::testEndBtnClick() {
    testBtn->show();
    testEndBtn->hide();
    Painter->SetEdgeImage(*BEdge, kEdgeLabelColour);
    testBtn->setGlyph(UiImage("TEST"));
    PopMode();
    if (numbersShown()) numEndBtnClick();
    ShowMarks();
    RedrawBoard();
    NotifyChange();
}

void TXVexoView::PushMode(uint8_t NewMode, const TPosition& Snapshot) {
    if (NewMode == kTrial && numbersShown()) numEndBtnClick();
    SoundOn = false;
    // One level is all the buttons can reach; the bound keeps a stray call inside the stack.
    if (ModeDepth >= static_cast<int32_t>(Modes->size())) return;
    TModeEntry& Entry = (*Modes)[ModeDepth];
    ++ModeDepth;
    Entry.SavedMode = ViewMode;
    Entry.SavedEnd = Board->EndIndex();
    Entry.Snapshot = Snapshot;
    ViewMode = NewMode;
    if (NewMode == kTrial) {
        SetSurround(kTrialPanelColour);
        Painter->SetEdgeImage(*GEdge, kEdgeLabelColour);
        Board->SetPosition(Snapshot, true, true);
        Board->SetNumbering({0, Board->MoveIndex(), 1});
        TrialFrom = Board->MoveIndex();
    }
    SoundOn = true;
}

void TXVexoView::PopMode() {
    SoundOn = false;
    SetSurround(kPanelColour);
    if (ModeDepth <= 0) {
        SoundOn = true;
        return;
    }
    const TModeEntry& Entry = (*Modes)[ModeDepth - 1];
    RestoreFromMode(Entry.Snapshot);
    ViewMode = Entry.SavedMode;
    if (ViewMode == kViewing) {
        Board->LoadHistory(Entry.Snapshot);
        Board->SetEndIndex(Entry.SavedEnd);
    }
    --ModeDepth;
    SoundOn = true;
}

void TXVexoView::RestoreFromMode(const TPosition& Snapshot) {
    if (!numbersShown()) {
        TNumbering Off;
        InitNumbering(Off);
        Board->SetNumbering(Off);
    }
    // Back below the numbering start (0 or 1 here, so to the start of the game), and not above
    // the saved move.
    StepBackTo(*Board, Board->Numbering().From - 1);
    StepBackTo(*Board, Snapshot.MoveIndex);
    // Replaying the saved moves (each in its colour, with the points set up after it) draws
    // the saved position, silently.
    const int32_t SetupCount = std::clamp(Snapshot.SetupCount, 0, kMaxSetup);
    int32_t S = 0;
    for (int32_t i = Board->MoveIndex() + 1; i <= Snapshot.MoveIndex && i <= kMaxMoves; ++i) {
        const THistoryEntry& H = Snapshot.History[i];
        if (H.Colour == kBlack || H.Colour == kWhite) Board->SetSideToMove(H.Colour);
        if (H.X == 0 && H.Y == 0) {
            Board->PassMove();
        } else {
            Board->PlayMove(H.X, H.Y);
        }
        for (; S < SetupCount && Snapshot.Setup[static_cast<size_t>(S)].MoveIndex <= i; ++S) {
            const TSetupEntry& E = Snapshot.Setup[static_cast<size_t>(S)];
            if (E.MoveIndex == i) Board->SetupPoint(E.X, E.Y, E.New);
        }
    }
    Board->SetPosition(Snapshot, false, true);
}

void TXVexoView::numBtnClick() {
    if (ViewMode == kTrial) {
        Board->EnableNumbering(false);
        Painter->ClearValues();
        ShowLastMoveMark(kLastMoveMark);
    }
    numEndBtn->show();
    numBtn->hide();
    if (Board->MoveIndex() == 0) {
        Board->SetNumbering({0, 0, 1});
    } else {
        Board->EnableNumbering(true);
        ShowLastMoveMark(0);
        TNumberGrid Numbers{};
        Board->GetStoneNumbers(Numbers);
        Painter->LoadValues(Numbers);
    }
    MainGoPB->update();
}

void TXVexoView::numEndBtnClick() {
    numEndBtn->hide();
    numBtn->show();
    Board->EnableNumbering(false);
    Painter->ClearValues();
    ShowLastMoveMark(kLastMoveMark);
    MainGoPB->update();
}

void TXVexoView::ShowLastMoveMark(int32_t Value) {
    int32_t X = 0;
    int32_t Y = 0;
    uint8_t C = 0;
    Board->GetLastMove(X, Y, C);
    if (X > 0) Painter->SetPoint(C, X, Y, Value);
}

}  // namespace xvexo
