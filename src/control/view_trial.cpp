// Trial play (the user's own moves from the current position, undone at the end) and the
// display of move numbers on the stones.

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
    auto snapshot = std::make_unique<TPosition>();
    Board->GetPosition(*snapshot);
    PushMode(kTrial, *snapshot);
    // The panel's new colour repaints the board with its new edge.
    RedrawBoard();
}

void TXVexoView::testEndBtnClick() {
    testBtn->show();
    testEndBtn->hide();
    Painter->SetEdgeImage(*BEdge, kEdgeLabelColour);
    testBtn->setGlyph(UiImage("TEST"));
    PopMode();
    if (numbersShown()) numEndBtnClick();
    RedrawBoard();
}

void TXVexoView::PushMode(uint8_t newMode, const TPosition& snapshot) {
    if (newMode == kTrial && numbersShown()) numEndBtnClick();
    SoundOn = false;
    // One level is all the buttons can reach; the bound keeps a stray call inside the stack.
    if (ModeDepth >= static_cast<int32_t>(Modes->size())) return;
    TModeEntry& entry = (*Modes)[ModeDepth];
    ++ModeDepth;
    entry.SavedMode = ViewMode;
    entry.SavedEnd = Board->EndIndex();
    entry.Snapshot = snapshot;
    ViewMode = newMode;
    if (newMode == kTrial) {
        SetSurround(kTrialPanelColour);
        Painter->SetEdgeImage(*GEdge, kEdgeLabelColour);
        Board->SetPosition(snapshot, true, true);
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
    const TModeEntry& entry = (*Modes)[ModeDepth - 1];
    RestoreFromMode(entry.Snapshot);
    ViewMode = entry.SavedMode;
    if (ViewMode == kViewing) {
        Board->LoadHistory(entry.Snapshot);
        Board->SetEndIndex(entry.SavedEnd);
    }
    --ModeDepth;
    SoundOn = true;
}

void TXVexoView::RestoreFromMode(const TPosition& snapshot) {
    if (!numbersShown()) {
        TNumbering off;
        InitNumbering(off);
        Board->SetNumbering(off);
    }
    // Back below the numbering start (0 or 1 here, so to the start of the game), and not above
    // the saved move.
    StepBackTo(*Board, Board->Numbering().From - 1);
    StepBackTo(*Board, snapshot.MoveIndex);
    // Replaying the saved moves draws the saved position, silently.
    for (int32_t i = Board->MoveIndex() + 1; i <= snapshot.MoveIndex && i <= kMaxMoves; ++i) {
        const THistoryEntry& h = snapshot.History[i];
        if (h.X == 0 && h.Y == 0) {
            Board->PassMove();
        } else {
            Board->PlayMove(h.X, h.Y);
        }
    }
    Board->SetPosition(snapshot, false, true);
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
        TNumberGrid numbers{};
        Board->GetStoneNumbers(numbers);
        Painter->LoadValues(numbers);
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

void TXVexoView::ShowLastMoveMark(int32_t value) {
    int32_t x = 0;
    int32_t y = 0;
    uint8_t c = 0;
    Board->GetLastMove(x, y, c);
    if (x > 0) Painter->SetPoint(c, x, y, value);
}

}  // namespace xvexo
