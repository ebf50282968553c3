#pragma once
// The desktop viewer's window: holds the control under a menu bar, shows in its title where
// the game stands, steps the control with the keyboard, opens records chosen in a file dialog,
// from the list of recent files or dropped onto it.

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "control/xvexo_view.h"
#include "display/view_options.h"
#include "host_window_model.h"
#include "viewer_control.h"

class QAction;
class QMenu;
class QMenuBar;

namespace xvexo {

// No Q_OBJECT: the window has no signals or properties of its own, and a meta-object would
// pull its default constructor (a form made in this program, the tests') into the program.
class TViewerWindow : public QWidget {
  public:
    // Asks the user for a record to open, offering Filter; the chosen address (bytes), or empty.
    using TChooseFile = std::function<std::string(QWidget& Parent, const QString& Filter)>;

    // ReportError tells the user why a record did not open; it runs after the event that asked
    // for it has ended. Empty: a message box that does not block the caller. Services go to the
    // control.
    explicit TViewerWindow(QWidget* Parent = nullptr,
                           std::function<void(const QString&)> ReportError = {},
                           TViewServices Services = {});
    // The same around Control (the program's: a control of the control library).
    explicit TViewerWindow(std::unique_ptr<TViewerControl> Control, QWidget* Parent = nullptr,
                           std::function<void(const QString&)> ReportError = {});
    ~TViewerWindow() override;

    TViewerControl& Control() { return *FControl; }
    // The form behind the control, while the control is a form made in this program (the tests';
    // defined with that control, in direct_control.cpp).
    TXVexoView& View();
    // Loads an address (bytes: a path that is no valid UTF-8 stays exact) into the control,
    // names its file in the title and puts it first in the recent files. False (with Error)
    // when the load failed.
    bool OpenAddress(const std::string& Address, QString* Error);
    // OpenAddress for an address in UTF-8.
    bool Open(const QString& Address, QString* Error);
    // Whether the last OpenAddress failed because another load or CancelLoad ended its wait.
    bool LastOpenCancelled() const { return OpenCancelled; }

    // The registry that keeps the recent files (not owned; null: the list is not kept).
    void SetRecentRegistry(TUserRegistry* Registry);
    // The registry that keeps the view options (not owned; null: they are not kept): the
    // language and the coordinates stored there are applied at once, and a choice in the View
    // menu is stored there, one store each.
    void SetViewRegistry(TUserRegistry* Registry);
    // The View menu's choices, as a click on them makes them.
    void ChooseLanguage(const std::string& Code);
    void ChooseCoordinates(std::optional<TCoordinates> Choice);
    // Replaces the file dialog of Open… (tests).
    void SetChooseFile(TChooseFile Choose) { ChooseFile = std::move(Choose); }

    // The file dialog's filter: every record, then each format, then every file.
    static QString OpenFilter();

    QMenuBar* MenuBar = nullptr;
    QMenu* RecentMenu = nullptr;
    QAction* OpenAction = nullptr;
    QAction* PrintAction = nullptr;
    QAction* QuitAction = nullptr;
    QAction* KeysAction = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* ViewMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QMenu* CoordinatesMenu = nullptr;
    QMenu* LanguageMenu = nullptr;
    // By the record's format, as designed, standard, none.
    std::array<QAction*, 4> CoordinatesActions{};
    // One a language, in the order of kLanguages.
    std::vector<QAction*> LanguageActions;

  protected:
    void keyPressEvent(QKeyEvent* E) override;
    void changeEvent(QEvent* E) override;
    void dragEnterEvent(QDragEnterEvent* E) override;
    void dropEvent(QDropEvent* E) override;
    void closeEvent(QCloseEvent* E) override;

  private:
    void BuildMenus();
    // The keys that step the board (the form's kStepKeys) and Escape, which closes the
    // reference window.
    void AddStepKeys();
    // The menus' texts in the language installed, and which View choices are ticked.
    void RetranslateMenus();
    void ShowViewChoices();
    // A text of this window in the language installed.
    static QString Tr(const char* Source);
    // Open…: the file dialog, then the record chosen.
    void ChooseAndOpen();
    // Opens Address and reports a failure.
    void OpenAndReport(const std::string& Address);
    // The recent files as entries of RecentMenu; one whose file is gone is shown disabled.
    void FillRecentMenu();
    void ShowKeys();
    void UpdateTitle();
    // Tells the user Error: through ReportError, else in a box. ReportLater does it once the
    // event being handled has returned.
    void Report(const QString& Error);
    void ReportLater(const QString& Error);

    std::unique_ptr<TViewerControl> FControl;
    std::function<void(const QString&)> ReportError;
    TChooseFile ChooseFile;
    std::unique_ptr<TRecentFiles> Recent;
    std::unique_ptr<TViewSettings> ViewSettings;
    std::optional<TCoordinates> CoordinatesChoice;
    // The name of the shown record's file, for the title.
    std::string FileName;
    bool OpenCancelled = false;
};

// The name of the file an address names, for a title or a message: its last path component,
// decoded from the file system's bytes (what is no valid UTF-8 shows as U+FFFD) and elided.
QString FileNameOfAddress(const std::string& Address);

// The first address of a drop's "text/uri-list" (lines of %-encoded addresses, "#" comments),
// as bytes, so a file name that is no valid UTF-8 reaches the control exact; empty if none.
std::string FirstDroppedAddress(const QByteArray& UriList);

}  // namespace xvexo
