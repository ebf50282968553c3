#include "control/print_dialog.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>

#include "platform/fonts.h"
#include "platform/language.h"
#include "widgets/focus_button.h"

namespace xvexo {

namespace {

constexpr int kClientWidth = 376;
constexpr int kClientHeight = 188;
const QColor kFormColour(229, 229, 229);

QFont PixelFont(const char* Family, int Pixels) {
    QFont F(SubstituteFontFamily(QString::fromUtf8(Family)));
    F.setPixelSize(Pixels);
    return F;
}

// A group box drawn with its caption on the frame line, so the frame encloses the fields placed
// just below the caption.
class TCaptionedBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter P(this);
        const QFontMetrics M(font());
        const int Middle = M.height() / 2;
        P.setPen(QColor(160, 160, 160));
        P.drawRect(QRect(0, Middle, width() - 1, height() - Middle - 1));
        const QRect Caption(7, 0, M.horizontalAdvance(title()) + 4, M.height());
        P.fillRect(Caption, palette().color(QPalette::Window));
        P.setPen(palette().color(QPalette::WindowText));
        P.drawText(Caption, Qt::AlignCenter, title());
    }
};

QGroupBox* GroupBox(QWidget* Parent, const char* Name, QRect Geometry, const QString& Caption) {
    auto* G = new TCaptionedBox(Caption, Parent);
    G->setObjectName(QString::fromLatin1(Name));
    G->setGeometry(Geometry);
    return G;
}

QLabel* Label(QWidget* Parent, const char* Name, int X, int Y, const QString& Caption) {
    auto* L = new QLabel(Caption, Parent);
    L->setObjectName(QString::fromLatin1(Name));
    L->move(X, Y);
    L->adjustSize();
    return L;
}

QLineEdit* Edit(QWidget* Parent, const char* Name, QRect Geometry) {
    auto* E = new QLineEdit(Parent);
    E->setObjectName(QString::fromLatin1(Name));
    E->setGeometry(Geometry);
    return E;
}

QRadioButton* Radio(QWidget* Parent, const char* Name, QRect Geometry, const QString& Caption) {
    auto* R = new QRadioButton(Caption, Parent);
    R->setObjectName(QString::fromLatin1(Name));
    R->setGeometry(Geometry);
    return R;
}

void ShowText(QLineEdit* E, const TEditField& F) {
    const QString Text = QString::fromStdString(F.Text);
    if (E->text() != Text) E->setText(Text);
    E->setEnabled(F.Enabled);
}

}  // namespace

TOwnkForm::TOwnkForm(TOwnkFormModel& M, QWidget* Owner) : QDialog(Owner), Model(M) {
    setObjectName(QStringLiteral("OwnkForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(PixelFont("宋体", 13));
    QPalette P = palette();
    P.setColor(QPalette::Window, kFormColour);
    setPalette(P);
    setAutoFillBackground(true);

    gbPrint = GroupBox(this, "gbPrint", {9, 10, 130, 133}, QString());
    Label3 = Label(gbPrint, "Label3", 12, 22, QString());
    edHeight = Edit(gbPrint, "edHeight", {73, 18, 43, 21});
    Label4 = Label(gbPrint, "Label4", 12, 42, QString());
    edWidth = Edit(gbPrint, "edWidth", {73, 38, 43, 21});
    Label1 = Label(gbPrint, "Label1", 12, 62, QString());
    edTMar = Edit(gbPrint, "edTMar", {73, 58, 43, 21});
    Label2 = Label(gbPrint, "Label2", 12, 82, QString());
    edLMar = Edit(gbPrint, "edLMar", {73, 78, 43, 21});
    Label6 = Label(gbPrint, "Label6", 12, 102, QString());
    edGrid = Edit(gbPrint, "edGrid", {73, 98, 43, 21});

    gbState = GroupBox(this, "gbState", {148, 10, 220, 133}, QString());
    rbTotal = Radio(gbState, "rbTotal", {11, 20, 115, 17}, QString());
    Range = Label(gbState, "Range", 140, 22, QString());
    Range->setFont(PixelFont("굴림체", 12));
    QPalette Blue = Range->palette();
    Blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Range->setPalette(Blue);
    rbRange = Radio(gbState, "rbRange", {11, 50, 115, 17}, QString());
    edSPos = Edit(gbState, "edSPos", {131, 48, 30, 21});
    Bevel1 = new QFrame(gbState);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setLineWidth(1);
    Bevel1->setGeometry(165, 57, 7, 2);
    edEPos = Edit(gbState, "edEPos", {176, 48, 30, 21});
    rbSplit = Radio(gbState, "rbSplit", {11, 81, 56, 17}, QString());
    edDNum = Edit(gbState, "edDNum", {70, 79, 30, 21});
    Label9 = Label(gbState, "Label9", 106, 83, QString());
    Label7 = Label(gbState, "Label7", 29, 104, QString());
    cbNDiv = new QComboBox(gbState);
    cbNDiv->setObjectName(QStringLiteral("cbNDiv"));
    cbNDiv->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")});
    cbNDiv->setGeometry(71, 100, 41, 21);
    Label8 = Label(gbState, "Label8", 120, 104, QString());

    OkBtn = new TepFocusButton(QString(), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(224, 155, 70, 24);
    OkBtn->setDefault(true);
    CCBtn = new TepFocusButton(QString(), this);
    CCBtn->setObjectName(QStringLiteral("CCBtn"));
    CCBtn->setGeometry(298, 155, 70, 24);

    for (QLineEdit* E : {edHeight, edWidth, edTMar, edLMar, edGrid, edSPos, edEPos, edDNum}) {
        E->installEventFilter(this);
        connect(E, &QLineEdit::textEdited, this,
                [this, E](const QString& Text) { Field(E).Text = Text.toStdString(); });
    }
    connect(rbTotal, &QRadioButton::clicked, this, [this] {
        Model.ClickTotal();
        Refresh();
    });
    connect(rbRange, &QRadioButton::clicked, this, [this] {
        Model.ClickRange();
        Refresh();
    });
    connect(rbSplit, &QRadioButton::clicked, this, [this] {
        Model.ClickSplit();
        Refresh();
    });
    connect(cbNDiv, &QComboBox::activated, this,
            [this](int Index) { Model.cbNDiv.ItemIndex = Index; });
    connect(OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
    connect(CCBtn, &QPushButton::clicked, this, [this] { reject(); });
    RetranslateUi();
    Refresh();
}

void TOwnkForm::RetranslateUi() {
    setWindowTitle(tr("棋谱打印"));
    gbPrint->setTitle(tr("打印机设置"));
    Label3->setText(tr("全高"));
    Label3->adjustSize();
    Label4->setText(tr("全宽"));
    Label4->adjustSize();
    Label1->setText(tr("上余空"));
    Label1->adjustSize();
    Label2->setText(tr("左余空"));
    Label2->adjustSize();
    Label6->setText(tr("分别手数"));
    Label6->adjustSize();
    gbState->setTitle(tr("打印设置"));
    rbTotal->setText(tr("打印总谱"));
    rbRange->setText(tr("打印部分谱"));
    rbSplit->setText(tr("棋谱分每"));
    Label9->setText(tr("步打印", "after the moves a diagram"));
    Label9->adjustSize();
    Label7->setText(tr("每页分"));
    Label7->adjustSize();
    Label8->setText(tr("步打印", "after the diagrams a page"));
    Label8->adjustSize();
    OkBtn->setText(tr("打 印"));
    CCBtn->setText(tr("取 消"));
    Model.SetTranslator(QtTexts());
    Range->setText(QString::fromStdString(Model.RangeCaption));
    Range->adjustSize();
}

void TOwnkForm::changeEvent(QEvent* Event) {
    if (Event->type() == QEvent::LanguageChange && OkBtn) RetranslateUi();
    QDialog::changeEvent(Event);
}

TEditField& TOwnkForm::Field(QLineEdit* E) const {
    if (E == edHeight) return Model.edHeight;
    if (E == edWidth) return Model.edWidth;
    if (E == edTMar) return Model.edTMar;
    if (E == edLMar) return Model.edLMar;
    if (E == edGrid) return Model.edGrid;
    if (E == edSPos) return Model.edSPos;
    if (E == edEPos) return Model.edEPos;
    return Model.edDNum;
}

void TOwnkForm::Refresh() {
    ShowText(edHeight, Model.edHeight);
    ShowText(edWidth, Model.edWidth);
    ShowText(edTMar, Model.edTMar);
    ShowText(edLMar, Model.edLMar);
    ShowText(edGrid, Model.edGrid);
    ShowText(edSPos, Model.edSPos);
    ShowText(edEPos, Model.edEPos);
    ShowText(edDNum, Model.edDNum);
    // Auto-exclusive buttons cannot all be cleared; the model may have none selected.
    const std::pair<QRadioButton*, bool> Radios[] = {
        {rbTotal, Model.rbTotal}, {rbRange, Model.rbRange}, {rbSplit, Model.rbSplit}};
    for (const auto& [R, On] : Radios)
        R->setAutoExclusive(false);
    for (const auto& [R, On] : Radios)
        R->setChecked(On);
    for (const auto& [R, On] : Radios)
        R->setAutoExclusive(true);
    cbNDiv->setCurrentIndex(Model.cbNDiv.ItemIndex);
    cbNDiv->setEnabled(Model.cbNDiv.Enabled);
    Range->setText(QString::fromStdString(Model.RangeCaption));
    Range->adjustSize();
}

void TOwnkForm::EditExit(QLineEdit* E) {
    if (E == edTMar || E == edLMar || E == edGrid) {
        Model.EditExit();
    } else if (E == edSPos) {
        Model.edSPosExit();
    } else if (E == edEPos) {
        Model.edEPosExit();
    } else if (E == edDNum) {
        Model.edDNumExit();
    } else {
        return;
    }
    Refresh();
}

bool TOwnkForm::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::FocusOut) {
        // Only a move to another control of the dialog counts, not leaving the window.
        const Qt::FocusReason Why = static_cast<QFocusEvent*>(Event)->reason();
        if (Why != Qt::ActiveWindowFocusReason && Why != Qt::PopupFocusReason) {
            EditExit(qobject_cast<QLineEdit*>(Watched));
        }
    }
    return QDialog::eventFilter(Watched, Event);
}

void TOwnkForm::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    if (const QScreen* S = screen() ? screen() : QGuiApplication::primaryScreen()) {
        move(S->availableGeometry().center() - rect().center());
    }
    OkBtn->setFocus(Qt::OtherFocusReason);
}

void TOwnkForm::OkBtnClick() {
    // Enter confirms without moving the focus: the field being edited is checked first.
    if (auto* E = qobject_cast<QLineEdit*>(focusWidget())) EditExit(E);
    try {
        Model.OkBtnClick();
    } catch (const TPrintSettingsError& Error) {
        const QString Text = QString::fromStdString(Error.Details());
        if (ShowError) {
            ShowError(*this, Text);
        } else {
            QMessageBox::critical(this, windowTitle(), Text);
        }
        return;
    }
    if (Model.ModalResult == TModalResult::Ok) accept();
}

void TOwnkForm::reject() {
    Model.CCBtnClick();
    QDialog::reject();
}

void ShowPrintDialog(TOwnkFormModel& Model, QWidget* Owner) {
    TOwnkForm Form(Model, Owner);
    Form.exec();
}

}  // namespace xvexo
