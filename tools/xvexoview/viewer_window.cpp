#include "viewer_window.h"

#include <sys/stat.h>

#include <QAction>
#include <QCloseEvent>
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

std::string DefaultChooseFile(QWidget& Parent, const QString& Filter) {
    const QString Chosen =
        QFileDialog::getOpenFileName(&Parent, QStringLiteral("Open a game record"), {}, Filter);
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
    FControl->SetOnChange([this] { UpdateTitle(); });
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

QString TViewerWindow::OpenFilter() {
    return QStringLiteral(
        "Game records (*.sgf *.SGF *.NGF *.ngf *.txt *.TXT);;"
        "Standard SGF (*.sgf *.SGF);;"
        "NGF records (*.NGF *.ngf);;"
        "Tag-format text (*.txt *.TXT);;"
        "All files (*)");
}

void TViewerWindow::BuildMenus() {
    MenuBar = new QMenuBar(this);
    QMenu* File = MenuBar->addMenu(QStringLiteral("&File"));
    OpenAction = File->addAction(QStringLiteral("&Open…"), this, &TViewerWindow::ChooseAndOpen);
    OpenAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    RecentMenu = File->addMenu(QStringLiteral("Open &Recent"));
    connect(RecentMenu, &QMenu::aboutToShow, this, &TViewerWindow::FillRecentMenu);
    FillRecentMenu();
    File->addSeparator();
    PrintAction = File->addAction(QStringLiteral("&Print…"), this, [this] { FControl->Print(); });
    PrintAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    File->addSeparator();
    QuitAction = File->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
    QuitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* Help = MenuBar->addMenu(QStringLiteral("&Help"));
    KeysAction = Help->addAction(QStringLiteral("&Keys and Mouse"), this, &TViewerWindow::ShowKeys);
    KeysAction->setShortcut(QKeySequence(Qt::Key_F1));
    // Shortcuts work while the form's fields have the focus.
    for (QAction* A : {OpenAction, PrintAction, QuitAction, KeysAction})
        A->setShortcutContext(Qt::WindowShortcut);
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
        ReportLater(QStringLiteral("%1 holds no game record; the game shown is unchanged")
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
                .arg(Name, Exists ? QString() : QStringLiteral(" (not found)")));
        A->setToolTip(QString::fromStdString(Address));
        A->setStatusTip(QString::fromStdString(Address));
        A->setEnabled(Exists);
        connect(A, &QAction::triggered, this, [this, Address] { OpenAndReport(Address); });
    }
    if (Entries.empty()) {
        RecentMenu->addAction(QStringLiteral("No recent files"))->setEnabled(false);
        return;
    }
    RecentMenu->addSeparator();
    RecentMenu->addAction(QStringLiteral("&Clear the List"), this, [this] {
        if (Recent) Recent->Clear();
    });
}

void TViewerWindow::ShowKeys() {
    // One row a key: the key, then what it does.
    QString Rows;
    for (const QString& Line : QString::fromStdString(KeysHelpText()).split(QLatin1Char('\n'))) {
        const QStringList Parts = Line.split(QLatin1Char('\t'));
        Rows += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>")
                    .arg(Parts.value(0).toHtmlEscaped(), Parts.value(1).toHtmlEscaped());
    }
    auto* Box =
        new QMessageBox(QMessageBox::Information, QStringLiteral("Keys and Mouse"),
                        QStringLiteral("<table>%1</table>").arg(Rows), QMessageBox::Ok, this);
    Box->setTextFormat(Qt::RichText);
    Box->setAttribute(Qt::WA_DeleteOnClose);
    Box->open();
}

void TViewerWindow::UpdateTitle() {
    setWindowTitle(QString::fromStdString(WindowTitle(FControl->Status(), FileName)));
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
