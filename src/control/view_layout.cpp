// The form's component tree, its run-time controls and the resize handlers.

#include <QEvent>
#include <QPixmap>

#include "control/board_box.h"
#include "control/ui_images.h"
#include "control/xvexo_view.h"

namespace xvexo {

namespace {

const QColor kPanelGrey(229, 229, 229);

QFrame* Panel(QWidget* Parent, const char* Name, const QColor& Colour) {
    auto* P = new QFrame(Parent);
    P->setObjectName(QLatin1String(Name));
    P->setFrameStyle(QFrame::NoFrame);
    P->setAutoFillBackground(true);
    QPalette Pal = P->palette();
    Pal.setColor(QPalette::Window, Colour);
    P->setPalette(Pal);
    return P;
}

QLabel* Label(QWidget* Parent, const char* Name, QRect Geometry, Qt::Alignment Align,
              bool Bold = false, const QColor& Colour = Qt::black) {
    auto* L = new QLabel(Parent);
    L->setObjectName(QLatin1String(Name));
    L->setGeometry(Geometry);
    L->setAlignment(Align);
    if (Bold) {
        QFont F = L->font();
        F.setBold(true);
        L->setFont(F);
    }
    QPalette Pal = L->palette();
    Pal.setColor(QPalette::WindowText, Colour);
    L->setPalette(Pal);
    return L;
}

QLabel* Picture(QWidget* Parent, const char* Name, QRect Geometry, const char* Resource) {
    auto* L = new QLabel(Parent);
    L->setObjectName(QLatin1String(Name));
    L->setGeometry(Geometry);
    L->setPixmap(QPixmap::fromImage(UiImage(Resource)));
    return L;
}

QFrame* Bevel(QWidget* Parent, const char* Name, QRect Geometry) {
    auto* B = new QFrame(Parent);
    B->setObjectName(QLatin1String(Name));
    B->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    B->setGeometry(Geometry);
    return B;
}

TepSpeedButton* Button(QWidget* Parent, const char* Name, QRect Geometry, const char* Glyph) {
    auto* B = new TepSpeedButton(Parent);
    B->setObjectName(QLatin1String(Name));
    B->setGeometry(Geometry);
    B->setGlyph(TextGlyph(Glyph));
    B->setTransparent(true);
    return B;
}

// (D / 2) to the nearest integer, a half going to the even neighbour.
int HalfToEven(int D) {
    const int Q = D >= 0 ? D / 2 : -((-D + 1) / 2);  // floor(D / 2)
    if (D % 2 == 0) return Q;
    return Q % 2 == 0 ? Q : Q + 1;
}

}  // namespace

void TXVexoView::BuildForm() {
    setObjectName(QStringLiteral("XVexoView"));
    QFont FormFont(QStringLiteral("宋体"));
    FormFont.setPixelSize(13);
    setFont(FormFont);
    resize(kDesignWidth, kDesignHeight);

    FormDock = new DockLayout(this);
    rightP = Panel(this, "rightP", kPanelGrey);
    rightP->setGeometry(546, 0, 252, 560);
    leftP = Panel(this, "leftP", palette().color(QPalette::Window));
    leftP->setGeometry(0, 0, 546, 560);

    // Right column: information, commentary, playback.
    RightDock = new DockLayout(rightP);
    BuildInformationPanel();
    BuildCommentPanel();
    BuildMovesPanel();
    RightDock->add(rightTopP, Dock::Top);
    RightDock->add(commentP, Dock::Client);
    RightDock->add(movesP, Dock::Bottom);

    // Left area: title, board, function buttons.
    LeftDock = new DockLayout(leftP);
    BuildTitleAndSidePanels();
    BuildFunctionPanel();
    BuildBoardPanel();
    LeftDock->add(topP, Dock::Top);
    LeftDock->add(sideP, Dock::Left);
    LeftDock->add(buttonP, Dock::Bottom);
    LeftDock->add(panP, Dock::Client);

    FormDock->add(rightP, Dock::Right);
    FormDock->add(leftP, Dock::Client);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));

    // The resize handlers follow their panels.
    panP->installEventFilter(this);
    buttonP->installEventFilter(this);
    functionP->installEventFilter(this);
    commentP->installEventFilter(this);
}

// The game's information at the top of the right column: players, ranks, prisoners, the event.
void TXVexoView::BuildInformationPanel() {
    rightTopP = Panel(rightP, "rightTopP", kPanelGrey);
    rightTopP->setGeometry(0, 0, 252, 329);
    matchNameL = Label(rightTopP, "matchNameL", {10, 10, 237, 12}, Qt::AlignHCenter | Qt::AlignTop);
    playerP = new TepImagePanel(rightTopP);
    playerP->setObjectName(QStringLiteral("playerP"));
    playerP->setGeometry(10, 26, 237, 130);
    playerP->setLoweredBevel(2);
    playerP->setWallpaper(QPixmap::fromImage(UiImage("EPBITMAP2")));
    Image3 = Picture(playerP, "Image3", {22, 11, 59, 60}, "PLAYERW");
    Image4 = Picture(playerP, "Image4", {160, 11, 59, 60}, "PLAYERB");
    Image2 = Picture(playerP, "Image2", {90, 29, 59, 24}, "VERSUS");
    Image5 = Picture(playerP, "Image5", {90, 82, 60, 28}, "PRISONERS");
    const Qt::Alignment Centred = Qt::AlignHCenter | Qt::AlignTop;
    // One-line labels 13 pixels high: the substituted CJK font has a taller line box than the
    // form's font was designed for, so the text is centred vertically to keep its glyphs inside.
    const Qt::Alignment OneLine = Qt::AlignCenter;
    // The names and ranks take the room the panel has beside the prisoners' picture: across,
    // from the panel's bevel to the picture; down, to the bevel, for a name on two lines.
    wPlayerL = Label(playerP, "wPlayerL", {2, 90, 88, 38}, Centred, true, Qt::white);
    bPlayerL = Label(playerP, "bPlayerL", {150, 90, 85, 38}, Centred, true, Qt::white);
    wPlayerL->setWordWrap(true);
    bPlayerL->setWordWrap(true);
    bDiedSL = Label(playerP, "bDiedSL", {96, 89, 16, 13}, OneLine, true, Qt::white);
    wDiedSL = Label(playerP, "wDiedSL", {129, 89, 16, 13}, OneLine, true, Qt::black);
    WGlvlL = Label(playerP, "WGlvlL", {2, 108, 88, 13}, OneLine, true, Qt::white);
    BGlvlL = Label(playerP, "BGlvlL", {150, 108, 85, 13}, OneLine, true, Qt::white);
    Bevel1 = Bevel(rightTopP, "Bevel1", {10, 163, 237, 2});
    eventNameL = Label(rightTopP, "eventNameL", {10, 171, 237, 24}, Centred, true);
    Bevel2 = Bevel(rightTopP, "Bevel2", {10, 322, 237, 2});
}

// The commentary of the current move, in the middle of the right column.
void TXVexoView::BuildCommentPanel() {
    commentP = Panel(rightP, "commentP", kPanelGrey);
    commentP->setGeometry(0, 329, 252, 193);
    Label1 = Label(commentP, "Label1", {19, 4, 40, 13}, Qt::AlignLeft | Qt::AlignTop);
    commentM = new TPlusMemoU(commentP);
    commentM->setObjectName(QStringLiteral("commentM"));
    commentM->setGeometry(10, 24, 238, 203);
}

// Automatic play and the go-to-move box, at the foot of the right column.
void TXVexoView::BuildMovesPanel() {
    movesP = Panel(rightP, "movesP", kPanelGrey);
    movesP->setGeometry(0, 522, 252, 38);
    autoBtn = Button(movesP, "autoBtn", {18, 10, 56, 20}, "AUTO");
    autoEndBtn = Button(movesP, "autoEndBtn", {18, 10, 56, 20}, "AUTOEND");
    autoEndBtn->hide();
    secondSE = new QSpinBox(movesP);
    secondSE->setObjectName(QStringLiteral("secondSE"));
    secondSE->setGeometry(83, 10, 43, 22);
    secondSE->setRange(1, 100);
    secondSE->setValue(1);
    moveBtn = Button(movesP, "moveBtn", {144, 10, 46, 20}, "MOVE");
    moveEd = new QLineEdit(movesP);
    moveEd->setObjectName(QStringLiteral("moveEd"));
    moveEd->setGeometry(195, 10, 41, 21);
    moveEd->setMaxLength(3);
}

// The title bar above the board and the strip at its left.
void TXVexoView::BuildTitleAndSidePanels() {
    topP = Panel(leftP, "topP", kPanelGrey);
    topP->setGeometry(0, 0, 546, 26);
    Image1 = Picture(topP, "Image1", {1, 1, 326, 25}, "TITLE");
    sideP = Panel(leftP, "sideP", kPanelGrey);
    sideP->setGeometry(0, 26, 13, 497);
}

// The function buttons under the board (the arrows come with the run-time controls).
void TXVexoView::BuildFunctionPanel() {
    buttonP = Panel(leftP, "buttonP", kPanelGrey);
    buttonP->setGeometry(0, 523, 546, 37);
    functionP = new TepImagePanel(buttonP);
    functionP->setObjectName(QStringLiteral("functionP"));
    functionP->setGeometry(15, 0, 531, 37);
    functionP->setWallpaper(QPixmap::fromImage(UiImage("EPBITMAP1")));
    testBtn = Button(functionP, "testBtn", {237, 0, 96, 35}, "TEST");
    testEndBtn = Button(functionP, "testEndBtn", {237, 0, 96, 35}, "TESTEND");
    testEndBtn->hide();
    numBtn = Button(functionP, "numBtn", {334, 0, 96, 35}, "ORDER");
    numEndBtn = Button(functionP, "numEndBtn", {334, 0, 96, 35}, "ORDEREND");
    numEndBtn->hide();
    printBtn = Button(functionP, "printBtn", {429, 0, 96, 35}, "PRINT");
    ButtonDock = new DockLayout(buttonP);
    ButtonDock->add(functionP, Dock::Right);
}

// The sunken panel that holds the board's paint box, in the surround's colour.
void TXVexoView::BuildBoardPanel() {
    panP = new QFrame(leftP);
    panP->setObjectName(QStringLiteral("panP"));
    panP->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panP->setLineWidth(2);
    panP->setAutoFillBackground(true);
    panP->setGeometry(13, 26, 533, 497);
    QPalette Pal = panP->palette();
    Pal.setColor(QPalette::Window, QColor::fromRgb(kPanelColour));
    panP->setPalette(Pal);
    MainGoPB = new TBoardBox(panP);
    MainGoPB->setObjectName(QStringLiteral("MainGoPB"));
}

// The run-time controls: six information labels and six arrow buttons.
void TXVexoView::CreateRunTimeControls() {
    for (int i = 1; i <= 6; ++i) {
        auto* L = new QLabel(rightTopP);
        L->setObjectName(QStringLiteral("InfoLabel%1").arg(i));
        L->move(19, 176 + 20 * i);
        InfoLabels[i - 1] = L;
    }
    const int Left0 = HalfToEven(functionP->width() - 463);
    for (int Tag = kToStart; Tag <= kToEnd; ++Tag) {
        auto* B = new TepSpeedButton(functionP);
        B->setObjectName(QStringLiteral("ArrowButton%1").arg(Tag));
        B->setTag(Tag);
        B->setTransparent(true);
        B->setGlyph(UiImage(QStringLiteral("ARROW%1").arg(Tag + 1).toLatin1().constData()));
        const int Width = (Tag == kToStart || Tag == kToEnd) ? 39 : 37;
        const int Left = Tag == kToStart ? Left0 : Left0 + 39 + 37 * (Tag - 1);
        B->setGeometry(Left, 8, Width, 20);
        connect(B, &QAbstractButton::clicked, this, [this, Tag] { ArrowClick(Tag); });
        B->show();
        ArrowButtons[Tag] = B;
    }
}

void TXVexoView::pBaseResize() {
    if (Model) Model->pBaseResize(panP->width(), panP->height());
}

void TXVexoView::buttonPResize() {
    functionP->resize(buttonP->width() - 14, functionP->height());
    ButtonDock->realign();
    const int TestLeft = functionP->width() - 294;
    testBtn->move(TestLeft, testBtn->y());
    testEndBtn->move(TestLeft, testEndBtn->y());
    numBtn->move(TestLeft + 96, numBtn->y());
    numEndBtn->move(TestLeft + 96, numEndBtn->y());
    printBtn->move(numBtn->x() + 96, printBtn->y());
}

void TXVexoView::functionPResize() {
    if (!ArrowButtons[0]) return;
    const int Left0 = HalfToEven(functionP->width() - 500);
    ArrowButtons[0]->move(Left0, ArrowButtons[0]->y());
    for (int i = 1; i < 6; ++i)
        ArrowButtons[i]->move(Left0 + 39 + 37 * (i - 1), ArrowButtons[i]->y());
}

void TXVexoView::commentPResize() {
    commentM->resize(commentM->width(), commentP->height() - 23);
}

bool TXVexoView::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::Resize) {
        if (Watched == panP)
            pBaseResize();
        else if (Watched == buttonP)
            buttonPResize();
        else if (Watched == functionP)
            functionPResize();
        else if (Watched == commentP)
            commentPResize();
    }
    return QWidget::eventFilter(Watched, Event);
}

}  // namespace xvexo
