// The form's start-up, its showing of the model's state and the services the model uses.

#include "control/xvexo_view.h"

#include <QEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>

#include "control/board_box.h"
#include "control/reference_window.h"
#include "control/ui_images.h"
#include "platform/click_sound.h"
#include "platform/language.h"
#include "platform/resource_store.h"
#include "widgets/window_keys.h"

namespace xvexo {

namespace {

// Shows End in place of Start, or Start in place of End (the pairs of buttons in one place).
void ShowOneOf(QWidget& Start, QWidget& End, bool EndShown) {
    if (End.isHidden() != EndShown) return;
    if (EndShown) {
        End.show();
        Start.hide();
    } else {
        Start.show();
        End.hide();
    }
}

}  // namespace

TXVexoView::TXVexoView(QWidget* Parent, TViewServices Services)
    : QWidget(Parent), Services(std::move(Services)) {
    BuildForm();
    ActiveFormCreate();
}

TXVexoView::~TXVexoView() {
    // A load waiting for its source gives up; it sees the form gone and touches nothing.
    CancelLoad();
    // The timer must not tick into a half-destroyed form. The reference window goes first: it
    // draws with the pictures the form owns; then the model with the painter and the board.
    Timer->stop();
    delete HelpForm;
    HelpForm = nullptr;
    MainGoPB->SetPainter(nullptr);
    Model.reset();
}

void TXVexoView::ActiveFormCreate() {
    // The three board images, shared by the painters.
    Images = std::make_unique<TResourceStore>();
    BaseB = Images->Load("baseb");
    BEdge = Images->Load("bedge");
    GEdge = Images->Load("gedge");

    // Information labels and arrow buttons.
    CreateRunTimeControls();

    // The form's logic, with the painter of the main board, which takes the board's mouse
    // presses; the wheel and the buttons reach their handlers.
    TPlayTimer& PlayTimer = *this;
    TClickPlayer& ClickPlayer = *this;
    Model = std::make_unique<TXVexoViewModel>(MainGoPB->PaintBox(), *Images, *BaseB, *BEdge, *GEdge,
                                              PlayTimer, ClickPlayer);
    MainGoPB->SetPainter(&Model->painter());
    MainGoPB->OnWheel = [this](int32_t Steps) { BoardWheel(Steps); };
    Model->OnChanged = [this] { Refresh(); };
    Model->OnGameChanged = [this] {
        if (OnChange) OnChange();
    };
    Model->OnMessage = [this](const std::string& Text) { ShowError(QString::fromStdString(Text)); };
    Model->OnOpenReference = [this](const TPosition& Snapshot, const std::string& Code) {
        OpenReference(Snapshot, Code);
    };
    Model->OnCloseReference = [this] {
        if (HelpForm) HelpForm->close();
    };

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

    SetUpKeys();
    // The function buttons' keys work wherever the focus is in the window.
    const auto Key = [this](const char* Text, void (TXVexoView::*Slot)()) {
        auto* S = new QShortcut(QKeySequence(QString::fromLatin1(Text)), this);
        S->setContext(Qt::WindowShortcut);
        connect(S, &QShortcut::activated, this, Slot);
        return S;
    };
    TrialKey = Key(kTrialKeyText, &TXVexoView::ToggleTrial);
    NumbersKey = Key(kNumbersKeyText, &TXVexoView::ToggleNumbers);
    AutoKey = Key(kAutoKeyText, &TXVexoView::ToggleAutoPlay);
    RetranslateUi();

    if (!Services.PlayClick) Sound = std::make_unique<TClickSound>();

    // Size the board once.
    pBaseResize();
}

void TXVexoView::SetUpKeys() {
    // A read-only comment and a box of seconds (set with its arrows, Up and Down, or typed) have
    // no use for the keys that step the board.
    LeaveKeysToWindow(*commentM, kStepKeys);
    LeaveKeysToWindow(*secondSE, kStepKeys);
    // A click on the board or on a button ends the typing in the move box; the buttons never
    // take the focus themselves.
    MainGoPB->setFocusPolicy(Qt::ClickFocus);
    for (TepSpeedButton* B : findChildren<TepSpeedButton*>())
        connect(B, &QAbstractButton::pressed, this, &TXVexoView::LeaveMoveBox);
}

void TXVexoView::LeaveMoveBox() {
    if (moveEd->hasFocus()) MainGoPB->setFocus(Qt::OtherFocusReason);
}

void TXVexoView::Refresh() {
    const TXVexoViewModel& M = *Model;
    ShowOneOf(*autoBtn, *autoEndBtn, M.autoEndShown());
    ShowOneOf(*numBtn, *numEndBtn, M.numEndShown());
    ShowOneOf(*testBtn, *testEndBtn, M.testEndShown());
    // The trial button's glyph is loaded again as trial play ends.
    if (ShownTrial && !M.testEndShown()) testBtn->setGlyph(TextGlyph("TEST"));
    ShownTrial = M.testEndShown();

    const QColor Surround = QColor::fromRgb(M.surroundColour());
    if (panP->palette().color(QPalette::Window) != Surround) {
        QPalette Pal = panP->palette();
        Pal.setColor(QPalette::Window, Surround);
        panP->setPalette(Pal);
    }
    if (M.recordVersion() != ShownRecordVersion) ShowInfoTexts();
    wDiedSL->setText(QString::fromStdString(M.whiteDead()));
    bDiedSL->setText(QString::fromStdString(M.blackDead()));
    if (M.commentVersion() != ShownCommentVersion) ShowComment();
    if (HelpForm) HelpForm->SetCoordinates(M.coordinates());
    if (MainGoPB->pos() != QPoint(M.boardLeft(), M.boardTop()))
        MainGoPB->move(M.boardLeft(), M.boardTop());
    MainGoPB->update();
}

void TXVexoView::ToggleTrial() {
    if (Model->testEndShown()) {
        testEndBtnClick();
    } else {
        testBtnClick();
    }
}

void TXVexoView::ToggleNumbers() {
    if (Model->numEndShown()) {
        numEndBtnClick();
    } else {
        numBtnClick();
    }
}

void TXVexoView::ToggleAutoPlay() {
    if (Model->autoEndShown()) {
        autoEndBtnClick();
    } else {
        autoBtnClick();
    }
}

void TXVexoView::changeEvent(QEvent* Event) {
    if (Event->type() == QEvent::LanguageChange && Model) RetranslateUi();
    QWidget::changeEvent(Event);
}

void TXVexoView::RetranslateUi() {
    Label1->setText(tr("解说"));
    Label1->adjustSize();
    const auto Tip = [](QWidget* W, const QString& Text, const char* Key = nullptr) {
        W->setToolTip(
            Key ? QStringLiteral("%1 (%2)").arg(
                      Text,
                      QKeySequence(QString::fromLatin1(Key)).toString(QKeySequence::NativeText))
                : Text);
    };
    Tip(testBtn, tr("试下：在棋盘上摆自己的着法，结束后棋谱不变"), kTrialKeyText);
    Tip(testEndBtn, tr("结束试下，回到棋谱"), kTrialKeyText);
    Tip(numBtn, tr("显示手数：在每个棋子上显示手数"), kNumbersKeyText);
    Tip(numEndBtn, tr("隐藏手数"), kNumbersKeyText);
    Tip(autoBtn, tr("自动：每隔右边的秒数自动下一手"), kAutoKeyText);
    Tip(autoEndBtn, tr("停止自动播放"), kAutoKeyText);
    Tip(printBtn, tr("打印棋谱"), "Ctrl+P");
    Tip(moveBtn, tr("跳至右边输入的手数"));
    Tip(moveEd, tr("要跳至的手数（回车跳至）"));
    Tip(secondSE, tr("自动播放每手的秒数"));
    const char* const Arrows[] = {QT_TR_NOOP("回到开局"), QT_TR_NOOP("后退五手"),
                                  QT_TR_NOOP("后退一手"), QT_TR_NOOP("前进一手"),
                                  QT_TR_NOOP("前进五手"), QT_TR_NOOP("到终局")};
    const char* const ArrowKeys[] = {"Home", "PgUp", "Left", "Right", "PgDown", "End"};
    for (int i = 0; i < 6; ++i)
        Tip(ArrowButtons[static_cast<size_t>(i)], tr(Arrows[i]), ArrowKeys[i]);
    // The text buttons show their language's glyph.
    const std::pair<TepSpeedButton*, const char*> Glyphs[] = {
        {testBtn, "TEST"},       {testEndBtn, "TESTEND"}, {numBtn, "ORDER"},
        {numEndBtn, "ORDEREND"}, {printBtn, "PRINT"},     {autoBtn, "AUTO"},
        {autoEndBtn, "AUTOEND"}, {moveBtn, "MOVE"}};
    for (const auto& [Button, Name] : Glyphs)
        Button->setGlyph(TextGlyph(Name));
    Model->SetTranslator(QtTexts());
}

void TXVexoView::ShowComment() {
    ShownCommentVersion = Model->commentVersion();
    commentM->clearLines();
    for (const TCommentLine& Line : Model->commentLines()) {
        const QString Text = QString::fromStdString(Line.Text);
        commentM->addLine(Line.IsLink ? TPlusMemoU::StartKey() + Text + TPlusMemoU::StopKey()
                                      : Text);
    }
}

void TXVexoView::moveBtnClick() {
    if (!Model->moveBtnClick(moveEd->text().toStdString())) {
        moveEd->setFocus();
        return;
    }
    // Enter in the box has done its work: the keys step the board again.
    LeaveMoveBox();
}

QImage TXVexoView::boardImage() const {
    return MainGoPB->Picture();
}

void TXVexoView::ShowError(const QString& Text) {
    if (Services.ShowError) {
        Services.ShowError(*this, Text);
        return;
    }
    QMessageBox::critical(this, QString(), Text, QMessageBox::Ok);
}

void TXVexoView::Start(int32_t IntervalMs) {
    Timer->setInterval(IntervalMs);
    Timer->start();
}

void TXVexoView::Stop() {
    Timer->stop();
}

void TXVexoView::SetInterval(int32_t IntervalMs) {
    Timer->setInterval(IntervalMs);
}

void TXVexoView::PlayClick() {
    if (Services.PlayClick) {
        Services.PlayClick();
    } else if (Sound) {
        Sound->Play();
    }
}

}  // namespace xvexo
