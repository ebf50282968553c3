// The form's start-up, the board's event handlers and the services it uses.

#include "control/xvexo_view.h"

#include <QMessageBox>

#include "control/board_box.h"
#include "control/reference_window.h"
#include "display/image_set_chooser.h"
#include "platform/click_sound.h"
#include "platform/resource_store.h"
#include "records/record_setup.h"

namespace xvexo {

TXVexoView::TXVexoView(QWidget* Parent, TViewServices Services)
    : QWidget(Parent), Services(std::move(Services)) {
    BuildForm();
    ActiveFormCreate();
}

TXVexoView::~TXVexoView() {
    // A load waiting for its source gives up; it sees the form gone and touches nothing.
    CancelLoad();
    // The timer must not tick into a half-destroyed form; the painter goes before the board.
    // The reference window goes first: it draws with the pictures the form owns.
    Timer->stop();
    delete HelpForm;
    HelpForm = nullptr;
    if (Board) {
        Board->OnPutStone = nullptr;
        Board->OnRedrawPoint = nullptr;
        Board->OnMove = nullptr;
    }
    MainGoPB->SetPainter(nullptr);
    Painter.reset();
    Board.reset();
}

void TXVexoView::ActiveFormCreate() {
    // View state and the record's fields as at creation.
    ViewMode = kViewing;
    SoundOn = true;
    Loading = false;
    AutoPlaying = false;
    Record.Clear();

    // The three board images, shared by the painters.
    Images = std::make_unique<TResourceStore>();
    BaseB = Images->Load("baseb");
    BEdge = Images->Load("bedge");
    GEdge = Images->Load("gedge");

    // Information labels and arrow buttons.
    CreateRunTimeControls();

    // The comment writer.
    NoteView = std::make_unique<TNoteMessage>(*commentM);

    // The painter of the main board.
    Painter = std::make_unique<TKelGoPB>(MainGoPB->PaintBox(), *BaseB, *BEdge);
    MainGoPB->SetPainter(Painter.get());

    // The main rules engine: an empty 19-line board, numbering off.
    Board = std::make_unique<TGoBoard>();

    // The engine's point and move events reach the painter and the labels through the form's
    // handlers; a click on the board reaches BoardClick; the buttons reach theirs.
    Board->OnPutStone = [this](TGoBoard&, int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
        BoardPutStone(X, Y, Value, Colour);
    };
    Board->OnRedrawPoint = [this](TGoBoard&, int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
        BoardRedrawPoint(X, Y, Value, Colour);
    };
    Board->OnMove = [this](TGoBoard&, const TMoveInfo& Info) { BoardMove(Info); };
    Painter->OnPointClick = [this](TKelGoPB&, TMouseButton Button, uint32_t, int32_t Col,
                                   int32_t Row) { BoardClick(Button, Col, Row); };
    MainGoPB->OnWheel = [this](int32_t Steps) { BoardWheel(Steps); };

    connect(autoBtn, &QAbstractButton::clicked, this, &TXVexoView::autoBtnClick);
    connect(autoEndBtn, &QAbstractButton::clicked, this, &TXVexoView::autoEndBtnClick);
    connect(moveBtn, &QAbstractButton::clicked, this, &TXVexoView::moveBtnClick);
    connect(moveEd, &QLineEdit::returnPressed, this, &TXVexoView::moveBtnClick);
    connect(Timer, &QTimer::timeout, this, &TXVexoView::TimerTimer);
    connect(testBtn, &QAbstractButton::clicked, this, &TXVexoView::testBtnClick);
    connect(testEndBtn, &QAbstractButton::clicked, this, &TXVexoView::testEndBtnClick);
    connect(numBtn, &QAbstractButton::clicked, this, &TXVexoView::numBtnClick);
    connect(numEndBtn, &QAbstractButton::clicked, this, &TXVexoView::numEndBtnClick);
    connect(printBtn, &QAbstractButton::clicked, this, &TXVexoView::printBtnClick);
    connect(secondSE, &QSpinBox::valueChanged, this, &TXVexoView::secondSEChange);
    connect(commentM, &TPlusMemoU::contextClicked, this, &TXVexoView::commentMContext);

    if (!Services.PlayClick) Sound = std::make_unique<TClickSound>();

    // Size the board once.
    pBaseResize();
}

void TXVexoView::ChooseImageSet(int32_t S) {
    ++ImageSetLoads;
    LoadImageSet(*Painter, *Images, S);
    MainGoPB->update();
}

void TXVexoView::SetSurround(TColour Colour) {
    QPalette Pal = panP->palette();
    Pal.setColor(QPalette::Window, QColor::fromRgb(Colour));
    panP->setPalette(Pal);
    MainGoPB->SetBackground(Colour);
}

void TXVexoView::RedrawBoard() {
    Painter->Redraw();
    MainGoPB->update();
}

QImage TXVexoView::boardImage() const {
    return MainGoPB->Picture();
}

void TXVexoView::BoardPutStone(int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
    if (!Loading && SoundOn) PlayClick();
    Painter->SetPoint(Colour, X, Y, Value);
    MainGoPB->update();
}

void TXVexoView::BoardRedrawPoint(int32_t X, int32_t Y, int32_t Value, uint8_t Colour) {
    Painter->SetPoint(Colour, X, Y, Value);
    MainGoPB->update();
}

void TXVexoView::BoardMove(const TMoveInfo& Info) {
    GameInfo.LastX = static_cast<uint8_t>(Info.X < 0 ? 0 : Info.X);
    GameInfo.LastY = static_cast<uint8_t>(Info.Y);
    GameInfo.WhitePrisoners = Info.WhitePrisoners;
    GameInfo.BlackPrisoners = Info.BlackPrisoners;
    wDiedSL->setText(QString::number(Info.BlackPrisoners));
    bDiedSL->setText(QString::number(Info.WhitePrisoners));
    // The record's marks follow the position; a load shows them once at its end.
    if (!Loading) ShowMarks();
}

void TXVexoView::ShowMarks() {
    // The marks of a record position: every position while viewing; during trial play those
    // at or before the move the trial line leaves the record (the record's own positions).
    const int32_t K = Board->MoveIndex();
    TNumberGrid Marks{};
    if (ViewMode == kViewing || (ViewMode == kTrial && K <= TrialFrom)) {
        MarksOfMove(Record, K, Marks);
    }
    Painter->LoadMarks(Marks);
    MainGoPB->update();
}

void TXVexoView::NotifyChange() {
    if (OnChange) OnChange();
}

void TXVexoView::ShowError(const QString& Text) {
    if (Services.ShowError) {
        Services.ShowError(*this, Text);
        return;
    }
    QMessageBox::critical(this, QString(), Text, QMessageBox::Ok);
}

void TXVexoView::PlayClick() {
    if (Services.PlayClick) {
        Services.PlayClick();
    } else if (Sound) {
        Sound->Play();
    }
}

}  // namespace xvexo
