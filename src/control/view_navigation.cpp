// Navigation: the arrow buttons, board clicks, the go-to-move box, automatic play and the
// comment box of the current move.

#include <algorithm>

#include "control/board_box.h"
#include "control/xvexo_view.h"
#include "records/record_loader.h"

namespace xvexo {

void TXVexoView::ArrowClick(int Tag) {
    AutoPlaying = false;
    if (ViewMode != kViewing && ViewMode != kTrial) return;
    // Only the single step forward clicks.
    SoundOn = Tag == kForwardOne;
    switch (Tag) {
        case kToStart:
            GoToStart(*Board);
            break;
        case kBackFive:
            for (int i = 0; i < 5; ++i)
                Board->StepBack();
            break;
        case kBackOne:
            Board->StepBack();
            break;
        case kForwardOne:
            Board->StepForward();
            break;
        case kForwardFive:
            for (int i = 0; i < 5; ++i)
                Board->StepForward();
            break;
        case kToEnd:
            while (Board->StepForward()) {
            }
            break;
        default:
            break;
    }
    ShowComment();
    NotifyChange();
}

void TXVexoView::BoardClick(TMouseButton Button, int32_t X, int32_t Y) {
    if (AutoPlaying) AutoPlaying = false;
    if (ViewMode == kViewing) {
        if (Button != TMouseButton::Left) {
            SoundOn = false;
            Board->StepBack();
        } else {
            SoundOn = true;
            Board->StepForward();
        }
        ShowComment();
    } else if (ViewMode == kTrial) {
        if (Button != TMouseButton::Left) {
            SoundOn = false;
            Board->StepBack();
        } else {
            SoundOn = true;
            const int32_t Before = Board->MoveIndex();
            Board->PlayMove(X, Y);
            if (Board->MoveIndex() == Before + 1) {
                TrialFrom = std::min(TrialFrom, Before);
                // A stone played below the trial start leaves the record there too.
                ShowMarks();
            }
        }
    }
    NotifyChange();
}

void TXVexoView::BoardWheel(int32_t Steps) {
    for (int32_t i = 0; i < Steps; ++i)
        ArrowClick(kBackOne);
    for (int32_t i = 0; i > Steps; --i)
        ArrowClick(kForwardOne);
}

void TXVexoView::moveBtnClick() {
    const TMoveNumberCheck Check = CheckMoveNumber(moveEd->text().toStdString());
    if (!Check.Ok) {
        ShowError(QString::fromUtf8(Check.Message));
        moveEd->setFocus();
        return;
    }
    const int32_t N = Check.Number;
    if (!autoEndBtn->isHidden()) autoEndBtnClick();
    SoundOn = false;
    GoToStart(*Board);
    ShowComment();
    StepForwardTo(*Board, N);
    ShowComment();
    // Enter in the box has done its work: the keys step the board again.
    if (moveEd->hasFocus()) MainGoPB->setFocus(Qt::OtherFocusReason);
    NotifyChange();
}

void TXVexoView::autoBtnClick() {
    if (ViewMode != kViewing) return;
    Timer->setInterval(secondSE->value() * 1000);
    Timer->start();
    AutoPlaying = true;
    autoEndBtn->show();
    autoBtn->hide();
}

void TXVexoView::autoEndBtnClick() {
    if (ViewMode != kViewing) return;
    Timer->stop();
    AutoPlaying = false;
    autoEndBtn->hide();
    autoBtn->show();
}

void TXVexoView::TimerTimer() {
    if (!AutoPlaying) {
        Timer->stop();
        return;
    }
    SoundOn = true;
    if (!Board->StepForward()) autoEndBtnClick();
    ShowComment();
    NotifyChange();
}

void TXVexoView::secondSEChange() {
    if (!autoEndBtn->isHidden()) Timer->setInterval(secondSE->value() * 1000);
}

int32_t TXVexoView::CommentMove() const {
    return ViewMode == kTrial ? TrialFrom : Board->MoveIndex();
}

bool TXVexoView::shownMoveIsPass(uint8_t* Colour) const {
    int32_t X = -1;
    int32_t Y = 0;
    uint8_t Who = 0;
    Board->GetLastMove(X, Y, Who);
    if (Colour) *Colour = Who;
    return Board->LastIsPass();
}

void TXVexoView::ShowComment() {
    if (Record.Info.CommentMode == "1") return;
    const int32_t k = CommentMove();
    commentM->clearLines();
    NoteView->AddLink(QString(), false);
    // A pass leaves no stone to see: the box says who passed.
    uint8_t Colour = 0;
    if (ViewMode == kViewing && k > 0 && shownMoveIsPass(&Colour)) {
        NoteView->AddText(Colour == kWhite ? QStringLiteral("白弃手") : QStringLiteral("黑弃手"),
                          true);
    }
    int Diagrams = 0;
    for (int32_t i = 0; i < Record.NoteCount; ++i) {
        const TNoteRec& Note = Record.Notes[i];
        if (Note.MoveNo != k) continue;
        if (Note.Kind == nkComment) {
            NoteView->AddText(QString::fromStdString(DecodeText(Note.Text, Encoding)), true);
        } else if (Note.Kind == nkDiagram) {
            ++Diagrams;
            NoteView->AddLink(QStringLiteral("参考图 %1-%2").arg(k).arg(Diagrams), true);
        }
    }
}

}  // namespace xvexo
