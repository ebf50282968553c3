#include "control/reference_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "control/board_box.h"
#include "control/dock_layout.h"
#include "control/ui_images.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "widgets/focus_button.h"
#include "widgets/gradient_button.h"
#include "widgets/window_keys.h"

namespace xvexo {

namespace {

const QColor kMemoPanelColour(177, 195, 219);
const QColor kStudyPanelGrey(190, 199, 204);
const QColor kButtonFace(204, 212, 212);
const QColor kButtonActiveFace(181, 191, 191);
constexpr int kStepButtonTop = 3;
constexpr int kStepButtonHeight = 18;

QFont PixelFont(const char* Family, int Pixels) {
    QFont F(SubstituteFontFamily(QString::fromUtf8(Family)));
    F.setPixelSize(Pixels);
    return F;
}

QFrame* Panel(QWidget* Parent, const char* Name, QRect Geometry, bool Lowered,
              const QColor& Colour = QColor()) {
    auto* P = new QFrame(Parent);
    P->setObjectName(QLatin1String(Name));
    P->setFrameStyle(Lowered ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    P->setLineWidth(1);
    P->setGeometry(Geometry);
    if (Colour.isValid()) {
        P->setAutoFillBackground(true);
        QPalette Pal = P->palette();
        Pal.setColor(QPalette::Window, Colour);
        P->setPalette(Pal);
    }
    return P;
}

void SetColour(QWidget* W, TColour Colour) {
    const QColor C = QColor::fromRgb(Colour);
    if (W->palette().color(QPalette::Window) == C) return;
    QPalette Pal = W->palette();
    Pal.setColor(QPalette::Window, C);
    W->setPalette(Pal);
}

// Line breaks of any kind as the memo's own.
QString MemoText(const std::string& Bytes, TTextEncoding Encoding) {
    QString Text = QString::fromStdString(DecodeText(Bytes, Encoding));
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Text;
}

}  // namespace

TCHelpForm::TCHelpForm(QWidget* Owner, TImageSource& Images, const TImage& BaseB,
                       const TImage& BEdge, const TImage& GEdge)
    : QWidget(Owner, Qt::Tool), Images(Images), BaseB(BaseB), BEdge(BEdge), GEdge(GEdge) {
    BuildForm();
    FormCreate();
}

TCHelpForm::~TCHelpForm() {
    FormDestroy();
}

void TCHelpForm::BuildForm() {
    setObjectName(QStringLiteral("CHelpForm"));
    setWindowTitle(QString::fromUtf8(kReferenceCaption));
    setFont(PixelFont("宋体", 12));
    resize(kClientWidth, kClientHeight);

    pLBase = Panel(this, "pLBase", {0, 0, kClientWidth, kClientHeight}, false);
    auto* FormDock = new DockLayout(this);
    FormDock->add(pLBase, Dock::Client);

    // The comment and, in study mode, the pass button and the letters.
    pHBase = Panel(pLBase, "pHBase", {0, 315, 304, 73}, true, kMemoPanelColour);
    Memo = new QPlainTextEdit(pHBase);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setGeometry(1, 1, 241, 71);
    Memo->setReadOnly(true);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setFont(PixelFont("宋体", 13));
    pMBase = Panel(pHBase, "pMBase", {242, 1, 61, 71}, false, kStudyPanelGrey);
    PassBtn = new TepFocusButton(QString::fromUtf8(kPassCaption), pMBase);
    PassBtn->setObjectName(QStringLiteral("PassBtn"));
    PassBtn->setGeometry(8, 5, 44, 20);
    PassBtn->setFont(PixelFont("굴림체", 12));
    cbMark = new QCheckBox(QString::fromUtf8(kMarkCaption), pMBase);
    cbMark->setObjectName(QStringLiteral("cbMark"));
    cbMark->setGeometry(9, 28, 95, 17);
    cbMarkC = new QComboBox(pMBase);
    cbMarkC->setObjectName(QStringLiteral("cbMarkC"));
    cbMarkC->setGeometry(8, 46, 44, 21);
    for (int i = 0; i < TCHelpFormModel::kLetters; ++i)
        cbMarkC->addItem(QStringLiteral(" ") + QChar('A' + i));
    HelpDock = new DockLayout(pHBase);
    HelpDock->add(pMBase, Dock::Right);
    HelpDock->add(Memo, Dock::Client);

    // The board and the step buttons.
    pSBase = Panel(pLBase, "pSBase", {0, 0, 304, 315}, false);
    Panel1 = Panel(pSBase, "Panel1", {0, 0, 304, 315}, true, kButtonFace);
    pCBase = Panel(Panel1, "pCBase", {1, 293, 302, 21}, false, kButtonFace);
    pBBase = Panel(Panel1, "pBBase", {1, 1, 302, 292}, false, kButtonFace);
    HelpPB = new TBoardBox(pBBase);
    HelpPB->setObjectName(QStringLiteral("HelpPB"));
    auto* PanelDock = new DockLayout(Panel1);
    PanelDock->add(pCBase, Dock::Bottom);
    PanelDock->add(pBBase, Dock::Client);
    auto* BoardDock = new DockLayout(pSBase);
    BoardDock->add(Panel1, Dock::Client);
    BaseDock = new DockLayout(pLBase);
    BaseDock->add(pHBase, Dock::Bottom);
    BaseDock->add(pSBase, Dock::Client);
}

void TCHelpForm::FormCreate() {
    for (int Tag = 0; Tag < TCHelpFormModel::kStepButtons; ++Tag) {
        auto* B = new TepGradientButton(pCBase);
        B->setObjectName(QStringLiteral("StepButton%1").arg(Tag));
        B->setTag(Tag);
        B->setFaceColour(kButtonFace);
        B->setActiveFaceColour(kButtonActiveFace);
        B->setActiveTextColour(Qt::white);
        B->setFrameWidth(1);
        if (Tag < TCHelpFormModel::kStudy)
            B->setGlyph(UiImage(QStringLiteral("IMG5%1").arg(Tag + 1).toLatin1().constData()));
        B->setGeometry(0, kStepButtonTop, 1, kStepButtonHeight);
        connect(B, &QAbstractButton::clicked, this, [this, Tag] { Model->StepClick(Tag); });
        StepButtons[static_cast<size_t>(Tag)] = B;
    }

    Model = std::make_unique<TCHelpFormModel>(HelpPB->PaintBox(), Images, BaseB, BEdge, GEdge);
    Model->FormCreate();
    Model->OnChanged = [this] { Refresh(); };
    RetranslateUi();
    HelpPB->SetPainter(&Model->Painter());
    HelpPB->SetBackground(kReferencePanelColour);

    connect(PassBtn, &QAbstractButton::clicked, this, [this] { Model->PassBtnClick(); });
    connect(cbMark, &QCheckBox::toggled, this, [this](bool On) { Model->MarkOn = On; });
    connect(cbMarkC, &QComboBox::currentIndexChanged, this, [this](int I) {
        if (I >= 0) Model->MarkIndex = I;
    });

    TakeKeys();
    pLBase->installEventFilter(this);
    pBBase->installEventFilter(this);
    pCBase->installEventFilter(this);
    Model->pCBaseResize(pCBase->width());
    Model->pBBaseResize(pBBase->width(), pBBase->height());
}

void TCHelpForm::TakeKeys() {
    // Ahead of its widgets (the memo would move its cursor with them) and of the viewer's own
    // shortcuts, which this window, kept above the viewer, shares.
    TakeWindowKeys(*this, kKeys, [this](int Key) { RunKey(Key); });
    HelpPB->setFocusPolicy(Qt::ClickFocus);
}

void TCHelpForm::RunKey(int Key) {
    if (Key == Qt::Key_Escape) {
        close();
        return;
    }
    if (!Model) return;
    switch (Key) {
        case Qt::Key_PageUp:
            Model->StepClick(TCHelpFormModel::kBackFive);
            break;
        case Qt::Key_Left:
            Model->StepClick(TCHelpFormModel::kBackOne);
            break;
        case Qt::Key_Right:
            Model->StepClick(TCHelpFormModel::kForwardOne);
            break;
        case Qt::Key_PageDown:
            Model->StepClick(TCHelpFormModel::kForwardFive);
            break;
        case Qt::Key_Home:
            Model->StepToStart();
            break;
        case Qt::Key_End:
            Model->StepToEnd();
            break;
        default:
            break;
    }
}

void TCHelpForm::FormDestroy() {
    if (!Model) return;
    Model->OnChanged = nullptr;
    HelpPB->SetPainter(nullptr);
    Model->FormDestroy();
    Model.reset();
}

void TCHelpForm::FormShow() {
    Model->FormShow();
}

void TCHelpForm::FormClose() {
    // The keyboard goes back to the viewer the window was opened from.
    const bool WasActive = isActiveWindow();
    hide();
    if (WasActive && parentWidget()) parentWidget()->activateWindow();
}

void TCHelpForm::Open(const TPosition& Snapshot, const std::string& Code,
                      TTextEncoding TextEncoding) {
    Encoding = TextEncoding;
    Model->Initialise(Snapshot);
    if (isHidden()) {
        if (!Placed && parentWidget()) {
            // Centred on the viewer the first time; later where the user left it.
            const QWidget* Owner = parentWidget();
            const QPoint Centre = Owner->mapToGlobal(Owner->rect().center());
            move(Centre - QPoint(width() / 2, height() / 2));
            Placed = true;
        }
        FormShow();
        show();
    } else {
        raise();
    }
    activateWindow();
    Model->ShowCode(Code);
}

QImage TCHelpForm::boardImage() const {
    return HelpPB->Picture();
}

void TCHelpForm::Refresh() {
    const TCHelpFormModel& M = *Model;
    const QString Title = QString::fromStdString(M.Caption);
    if (windowTitle() != Title) setWindowTitle(Title);
    if (M.Memo != ShownMemo) {
        ShownMemo = M.Memo;
        Memo->setPlainText(MemoText(ShownMemo, Encoding));
    }
    SetColour(pBBase, M.SurroundColour);
    SetColour(pCBase, M.SurroundColour);
    pHBase->setVisible(M.HelpPanelShown);
    if (pHBase->height() != M.HelpPanelHeight) {
        pHBase->resize(pHBase->width(), M.HelpPanelHeight);
        BaseDock->realign();
    }
    if (pMBase->isHidden() == M.StudyPanelShown) {
        pMBase->setVisible(M.StudyPanelShown);
        HelpDock->realign();
    }
    for (size_t i = 0; i < StepButtons.size(); ++i) {
        StepButtons[i]->setGeometry(M.StepButtons[i].Left, kStepButtonTop, M.StepButtons[i].Width,
                                    kStepButtonHeight);
        StepButtons[i]->show();
    }
    StepButtons[TCHelpFormModel::kStudy]->setCaption(QString::fromStdString(M.StudyButtonCaption));
    PassBtn->setText(QString::fromStdString(M.PassButtonCaption));
    {
        const QSignalBlocker Quiet(cbMark);
        cbMark->setText(QString::fromStdString(M.MarkCaption));
        cbMark->setChecked(M.MarkOn);
    }
    {
        const QSignalBlocker Quiet(cbMarkC);
        cbMarkC->setCurrentIndex(M.MarkIndex);
    }
    HelpPB->move(M.HelpPBLeft, M.HelpPBTop);
    HelpPB->update();
}

void TCHelpForm::changeEvent(QEvent* Event) {
    if (Event->type() == QEvent::LanguageChange && Model) RetranslateUi();
    QWidget::changeEvent(Event);
}

void TCHelpForm::RetranslateUi() {
    const char* const Tips[] = {QT_TR_NOOP("后退五手 (Page Up)"), QT_TR_NOOP("后退一手 (Left)"),
                                QT_TR_NOOP("前进一手 (Right)"), QT_TR_NOOP("前进五手 (Page Down)"),
                                QT_TR_NOOP("研讨：在图上摆自己的着法，结束后恢复原图")};
    for (size_t i = 0; i < StepButtons.size(); ++i)
        StepButtons[i]->setToolTip(tr(Tips[i]));
    PassBtn->setToolTip(tr("研讨中弃一手"));
    cbMark->setToolTip(tr("勾选后点击棋盘放置字母"));
    cbMarkC->setToolTip(tr("下一个字母"));
    Model->SetTranslator(QtTexts());
}

void TCHelpForm::closeEvent(QCloseEvent* Event) {
    FormClose();
    Event->accept();
}

bool TCHelpForm::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::Resize && Model) {
        if (Watched == pBBase)
            Model->pBBaseResize(pBBase->width(), pBBase->height());
        else if (Watched == pCBase)
            Model->pCBaseResize(pCBase->width());
        else if (Watched == pLBase)
            Model->FormResize(pLBase->width(), pLBase->height());
    }
    return QWidget::eventFilter(Watched, Event);
}

}  // namespace xvexo
