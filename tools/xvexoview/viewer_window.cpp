#include "viewer_window.h"

#include <sys/stat.h>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>

#include "control/field_text.h"
#include "platform/language.h"
#include "records/record_source.h"

namespace xvexo {

namespace {

constexpr const char* kProgramName = "XVexoView";

// An address that names a relative path, made absolute so the recent list opens it from
// anywhere.
std::string AbsoluteAddress(const std::string& Address) {
    if (Address.empty() || Address.front() == '/' || Address.find("://") != std::string::npos)
        return Address;
    std::error_code Failure;
    const std::filesystem::path Absolute = std::filesystem::absolute(Address, Failure);
    return Failure ? Address : Absolute.lexically_normal().string();
}

// Whether the file a local address names is there.
bool LocalFileExists(const std::string& Address) {
    const TLocalAddress Local = LocalPathOfAddress(Address);
    if (!Local.Error.empty()) return false;
    struct stat St {};
    return ::stat(Local.Path.c_str(), &St) == 0;
}

// The context the window's texts are translated in.
constexpr const char* kContext = "TViewerWindow";

std::string DefaultChooseFile(QWidget& Parent, const QString& Filter) {
    const QString Chosen = QFileDialog::getOpenFileName(
        &Parent, QCoreApplication::translate(kContext, XV_TEXT("TViewerWindow", "打开棋谱")), {},
        Filter);
    return Chosen.isEmpty() ? std::string() : QFile::encodeName(Chosen).toStdString();
}

}  // namespace

TViewerWindow::TViewerWindow(std::unique_ptr<TViewerControl> Control, QWidget* Parent,
                             std::function<void(const QString&)> ReportError)
    : QWidget(Parent),
      FControl(std::move(Control)),
      ReportError(std::move(ReportError)),
      ChooseFile(DefaultChooseFile) {
    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);
    BuildMenus();
    Layout->setMenuBar(MenuBar);
    QWidget* Form = FControl->Widget();
    // Narrower, the form's buttons would overlap.
    Form->setMinimumSize(FControl->LeastSize());
    Layout->addWidget(Form);
    // The title and the View menu's note of the record's coordinates follow every change.
    FControl->SetOnChange([this] {
        UpdateTitle();
        ShowViewChoices();
    });
    AddStepKeys();
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QString::fromLatin1(kProgramName));
    resize(minimumSizeHint());
}

TViewerWindow::~TViewerWindow() {
    // The form may still report a change while its children go.
    FControl->SetOnChange({});
}

QString TViewerWindow::Tr(const char* Source) {
    return QCoreApplication::translate(kContext, Source);
}

QString TViewerWindow::OpenFilter() {
    return Tr(XV_TEXT("TViewerWindow", "棋谱")) +
           QStringLiteral(" (*.sgf *.SGF *.NGF *.ngf *.txt *.TXT);;") +
           Tr(XV_TEXT("TViewerWindow", "标准 SGF")) + QStringLiteral(" (*.sgf *.SGF);;") +
           Tr(XV_TEXT("TViewerWindow", "NGF 棋谱")) + QStringLiteral(" (*.NGF *.ngf);;") +
           Tr(XV_TEXT("TViewerWindow", "标签格式文本")) + QStringLiteral(" (*.txt *.TXT);;") +
           Tr(XV_TEXT("TViewerWindow", "所有文件")) + QStringLiteral(" (*)");
}

void TViewerWindow::BuildMenus() {
    MenuBar = new QMenuBar(this);
    FileMenu = MenuBar->addMenu(QString());
    OpenAction = FileMenu->addAction(QString(), this, &TViewerWindow::ChooseAndOpen);
    OpenAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    RecentMenu = FileMenu->addMenu(QString());
    connect(RecentMenu, &QMenu::aboutToShow, this, &TViewerWindow::FillRecentMenu);
    FileMenu->addSeparator();
    PrintAction = FileMenu->addAction(QString(), this, [this] { FControl->Print(); });
    PrintAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    FileMenu->addSeparator();
    QuitAction = FileMenu->addAction(QString(), this, &QWidget::close);
    QuitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // View: the coordinates (by the record's format until the user picks one) and the language.
    ViewMenu = MenuBar->addMenu(QString());
    CoordinatesMenu = ViewMenu->addMenu(QString());
    auto* Coordinates = new QActionGroup(this);
    for (size_t i = 0; i < CoordinatesActions.size(); ++i) {
        QAction* A = CoordinatesMenu->addAction(QString());
        A->setCheckable(true);
        A->setActionGroup(Coordinates);
        if (i == 0) CoordinatesMenu->addSeparator();
        std::optional<TCoordinates> Choice;
        if (i > 0) Choice = static_cast<TCoordinates>(i - 1);
        connect(A, &QAction::triggered, this, [this, Choice] { ChooseCoordinates(Choice); });
        CoordinatesActions[i] = A;
    }
    connect(CoordinatesMenu, &QMenu::aboutToShow, this, &TViewerWindow::ShowViewChoices);
    LanguageMenu = ViewMenu->addMenu(QString());
    auto* Languages = new QActionGroup(this);
    for (const TLanguage& L : kLanguages) {
        // Each language by its own name, so a user finds theirs in any language.
        QAction* A = LanguageMenu->addAction(
            QString::fromUtf8(L.Name.data(), static_cast<qsizetype>(L.Name.size())));
        A->setCheckable(true);
        A->setActionGroup(Languages);
        const std::string Code(L.Code);
        connect(A, &QAction::triggered, this, [this, Code] { ChooseLanguage(Code); });
        LanguageActions.push_back(A);
    }

    HelpMenu = MenuBar->addMenu(QString());
    KeysAction = HelpMenu->addAction(QString(), this, &TViewerWindow::ShowKeys);
    KeysAction->setShortcut(QKeySequence(Qt::Key_F1));
    // Shortcuts work while the form's fields have the focus.
    for (QAction* A : {OpenAction, PrintAction, QuitAction, KeysAction})
        A->setShortcutContext(Qt::WindowShortcut);
    RetranslateMenus();
}

void TViewerWindow::RetranslateMenus() {
    FileMenu->setTitle(Tr(XV_TEXT("TViewerWindow", "文件(&F)")));
    OpenAction->setText(Tr(XV_TEXT("TViewerWindow", "打开(&O)…")));
    RecentMenu->setTitle(Tr(XV_TEXT("TViewerWindow", "最近打开(&R)")));
    PrintAction->setText(Tr(XV_TEXT("TViewerWindow", "打印(&P)…")));
    QuitAction->setText(Tr(XV_TEXT("TViewerWindow", "退出(&Q)")));
    ViewMenu->setTitle(Tr(XV_TEXT("TViewerWindow", "视图(&V)")));
    CoordinatesMenu->setTitle(Tr(XV_TEXT("TViewerWindow", "坐标(&C)")));
    LanguageMenu->setTitle(Tr(XV_TEXT("TViewerWindow", "语言(&L)")));
    HelpMenu->setTitle(Tr(XV_TEXT("TViewerWindow", "帮助(&H)")));
    KeysAction->setText(Tr(XV_TEXT("TViewerWindow", "按键和鼠标(&K)")));
    CoordinatesActions[1]->setText(Tr(XV_TEXT("TViewerWindow", "原设计：A–S，1 在上(&D)")));
    CoordinatesActions[2]->setText(Tr(XV_TEXT("TViewerWindow", "标准：A–T（无 I），1 在下(&S)")));
    CoordinatesActions[3]->setText(Tr(XV_TEXT("TViewerWindow", "无(&N)")));
    FillRecentMenu();
    ShowViewChoices();
}

void TViewerWindow::ShowViewChoices() {
    // Before a choice the first entry is ticked and names what the record shown has.
    const TCoordinates Shown = FControl->Status().Coordinates;
    const char* const ShownNames[] = {XV_TEXT("TViewerWindow", "原设计"),
                                      XV_TEXT("TViewerWindow", "标准"),
                                      XV_TEXT("TViewerWindow", "无")};
    CoordinatesActions[0]->setText(Tr(XV_TEXT("TViewerWindow", "按棋谱格式（当前：%1）(&F)"))
                                       .arg(Tr(ShownNames[static_cast<int>(Shown)])));
    const size_t Ticked = CoordinatesChoice ? static_cast<size_t>(*CoordinatesChoice) + 1 : 0;
    CoordinatesActions[Ticked]->setChecked(true);
    const std::string Language = InstalledLanguage();
    for (size_t i = 0; i < kLanguages.size() && i < LanguageActions.size(); ++i)
        LanguageActions[i]->setChecked(kLanguages[i].Code == Language);
}

void TViewerWindow::SetViewRegistry(TUserRegistry* Registry) {
    ViewSettings = Registry ? std::make_unique<TViewSettings>(*Registry) : nullptr;
    if (!ViewSettings) return;
    InstallLanguage(ViewSettings->Language());
    CoordinatesChoice = ViewSettings->Coordinates();
    FControl->SetCoordinates(CoordinatesChoice);
    // The window's own texts at once; the language change reaches the others as Qt posts it.
    RetranslateMenus();
    UpdateTitle();
}

void TViewerWindow::ChooseLanguage(const std::string& Code) {
    const std::string Installed = InstallLanguage(Code);
    RetranslateMenus();
    UpdateTitle();
    if (!ViewSettings) return;
    try {
        ViewSettings->SetLanguage(Installed);
    } catch (const TRegistryError& E) {
        ReportLater(
            Tr(XV_TEXT("TViewerWindow", "无法保存设置：%1")).arg(QString::fromUtf8(E.what())));
    }
}

void TViewerWindow::ChooseCoordinates(std::optional<TCoordinates> Choice) {
    CoordinatesChoice = Choice;
    FControl->SetCoordinates(Choice);
    ShowViewChoices();
    if (!ViewSettings) return;
    try {
        ViewSettings->SetCoordinates(Choice);
    } catch (const TRegistryError& E) {
        ReportLater(
            Tr(XV_TEXT("TViewerWindow", "无法保存设置：%1")).arg(QString::fromUtf8(E.what())));
    }
}

void TViewerWindow::changeEvent(QEvent* E) {
    if (E->type() == QEvent::LanguageChange && MenuBar) {
        RetranslateMenus();
        UpdateTitle();
    }
    QWidget::changeEvent(E);
}

void TViewerWindow::AddStepKeys() {
    // Shortcuts of the window: they work whatever widget of it has the focus (the comment box
    // and the seconds box leave these keys to them; the move box keeps its editing keys).
    const auto Add = [this](int Key, auto Action) {
        auto* S = new QShortcut(QKeySequence(Key), this);
        S->setContext(Qt::WindowShortcut);
        S->setAutoRepeat(true);
        connect(S, &QShortcut::activated, this, Action);
    };
    for (size_t Tag = 0; Tag < TXVexoView::kStepKeys.size(); ++Tag) {
        Add(TXVexoView::kStepKeys[Tag],
            [this, Tag] { FControl->Step(static_cast<TViewerControl::TStep>(Tag)); });
    }
    Add(Qt::Key_Escape, [this] { FControl->CloseReference(); });
}

void TViewerWindow::SetRecentRegistry(TUserRegistry* Registry) {
    Recent = Registry ? std::make_unique<TRecentFiles>(*Registry) : nullptr;
    FillRecentMenu();
}

bool TViewerWindow::OpenAddress(const std::string& Address, QString* Error) {
    const TViewerControl::TOpenResult Result = FControl->Open(Address, Error);
    OpenCancelled = Result == TViewerControl::TOpenResult::Cancelled;
    if (Result == TViewerControl::TOpenResult::Failed || OpenCancelled) return false;
    if (Result == TViewerControl::TOpenResult::NoRecord) {
        // Not a failure of the load, but nothing of it can be shown: say so, keep the game.
        ReportLater(Tr(XV_TEXT("TViewerWindow", "%1 中没有棋谱；显示的对局不变"))
                        .arg(FileNameOfAddress(Address)));
        return true;
    }
    FileName = FileNameOfAddress(Address).toStdString();
    UpdateTitle();
    // The list is a convenience: a registry that cannot be written costs only the entry.
    if (Recent) Recent->Add(AbsoluteAddress(Address));
    return true;
}

bool TViewerWindow::Open(const QString& Address, QString* Error) {
    return OpenAddress(Address.toStdString(), Error);
}

void TViewerWindow::OpenAndReport(const std::string& Address) {
    QString Error;
    if (!OpenAddress(Address, &Error) && !OpenCancelled) Report(Error);
}

void TViewerWindow::ChooseAndOpen() {
    const std::string Address = ChooseFile(*this, OpenFilter());
    if (!Address.empty()) OpenAndReport(Address);
}

void TViewerWindow::FillRecentMenu() {
    RecentMenu->clear();
    const std::vector<std::string> Entries =
        Recent ? Recent->Entries() : std::vector<std::string>();
    int Number = 0;
    for (const std::string& Address : Entries) {
        ++Number;
        const QString Name = FileNameOfAddress(Address);
        const bool Exists = LocalFileExists(Address);
        QAction* A = RecentMenu->addAction(
            QStringLiteral("&%1 %2%3")
                .arg(Number % 10)
                .arg(Name, Exists ? QString() : Tr(XV_TEXT("TViewerWindow", "（找不到）"))));
        A->setToolTip(QString::fromStdString(Address));
        A->setStatusTip(QString::fromStdString(Address));
        A->setEnabled(Exists);
        connect(A, &QAction::triggered, this, [this, Address] { OpenAndReport(Address); });
    }
    if (Entries.empty()) {
        RecentMenu->addAction(Tr(XV_TEXT("TViewerWindow", "没有最近打开的棋谱")))
            ->setEnabled(false);
        return;
    }
    RecentMenu->addSeparator();
    RecentMenu->addAction(Tr(XV_TEXT("TViewerWindow", "清除列表(&C)")), this, [this] {
        if (Recent) Recent->Clear();
    });
}

void TViewerWindow::ShowKeys() {
    // One row a key: the key, then what it does.
    QString Rows;
    for (const QString& Line :
         QString::fromStdString(KeysHelpText(QtTexts())).split(QLatin1Char('\n'))) {
        const QStringList Parts = Line.split(QLatin1Char('\t'));
        Rows += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>")
                    .arg(Parts.value(0).toHtmlEscaped(), Parts.value(1).toHtmlEscaped());
    }
    auto* Box =
        new QMessageBox(QMessageBox::Information, Tr(XV_TEXT("TViewerWindow", "按键和鼠标")),
                        QStringLiteral("<table>%1</table>").arg(Rows), QMessageBox::Ok, this);
    Box->setTextFormat(Qt::RichText);
    Box->setAttribute(Qt::WA_DeleteOnClose);
    Box->open();
}

void TViewerWindow::UpdateTitle() {
    setWindowTitle(QString::fromStdString(WindowTitle(FControl->Status(), FileName, QtTexts())));
}

void TViewerWindow::keyPressEvent(QKeyEvent* E) {
    // The print action takes Ctrl+P first; this is for a window that is not active.
    if (E->matches(QKeySequence::Print)) {
        FControl->Print();
        E->accept();
        return;
    }
    QWidget::keyPressEvent(E);
}

void TViewerWindow::dragEnterEvent(QDragEnterEvent* E) {
    const QMimeData* Data = E->mimeData();
    if (Data->hasUrls() && !Data->urls().isEmpty() && Data->urls().first().isLocalFile())
        E->acceptProposedAction();
}

void TViewerWindow::dropEvent(QDropEvent* E) {
    const QMimeData* Data = E->mimeData();
    if (!Data->hasUrls() || Data->urls().isEmpty() || !Data->urls().first().isLocalFile()) return;
    E->acceptProposedAction();
    // The address as dropped, in bytes: a QUrl would turn a name that is no UTF-8 into another.
    // The drag source waits until the drop returns: the record is read only afterwards, so a
    // pipe that keeps the read waiting never holds up the other program.
    const std::string Address = FirstDroppedAddress(Data->data(QStringLiteral("text/uri-list")));
    QTimer::singleShot(0, this, [this, Address] { OpenAndReport(Address); });
}

void TViewerWindow::closeEvent(QCloseEvent* E) {
    // A load still waiting for a pipe or a device gives up, so the program can end.
    FControl->CancelLoad();
    QWidget::closeEvent(E);
}

void TViewerWindow::ReportLater(const QString& Error) {
    QTimer::singleShot(0, this, [this, Error] { Report(Error); });
}

// In a box that leaves the event loop running.
void TViewerWindow::Report(const QString& Error) {
    if (ReportError) {
        ReportError(Error);
        return;
    }
    auto* Box = new QMessageBox(QMessageBox::Critical, QString::fromLatin1(kProgramName), Error,
                                QMessageBox::Ok, this);
    Box->setAttribute(Qt::WA_DeleteOnClose);
    Box->open();
}

QString FileNameOfAddress(const std::string& Address) {
    const std::string Path = LocalPathOfAddress(Address).Path;
    const std::string Name = Path.substr(Path.find_last_of('/') + 1);
    return ElideText(QFile::decodeName(QByteArray::fromStdString(Name)));
}

std::string FirstDroppedAddress(const QByteArray& UriList) {
    for (QByteArray Line : UriList.split('\n')) {
        Line = Line.trimmed();
        if (!Line.isEmpty() && !Line.startsWith('#')) return Line.toStdString();
    }
    return {};
}

}  // namespace xvexo
