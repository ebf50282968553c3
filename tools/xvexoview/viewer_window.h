#pragma once
// The desktop viewer's window: holds the control, steps it with the keyboard and opens a file
// dropped onto it.

#include <QWidget>
#include <functional>
#include <string>

#include "control/xvexo_view.h"

namespace xvexo {

class TViewerWindow : public QWidget {
    Q_OBJECT
  public:
    // ReportError tells the user why a dropped file did not open; it runs after the drop has
    // ended. Empty: a message box that does not block the caller. Services go to the control.
    explicit TViewerWindow(QWidget* Parent = nullptr,
                           std::function<void(const QString&)> ReportError = {},
                           TViewServices Services = {});

    TXVexoView& View() { return *FView; }
    // Loads an address (bytes: a path that is no valid UTF-8 stays exact) into the control and
    // names its file in the title. False (with Error) when the load failed.
    bool OpenAddress(const std::string& Address, QString* Error);
    // OpenAddress for an address in UTF-8.
    bool Open(const QString& Address, QString* Error);

  protected:
    void keyPressEvent(QKeyEvent* E) override;
    void dragEnterEvent(QDragEnterEvent* E) override;
    void dropEvent(QDropEvent* E) override;
    void closeEvent(QCloseEvent* E) override;

  private:
    // Tells the user Error: through ReportError, else in a box. ReportLater does it once the
    // event being handled has returned.
    void Report(const QString& Error);
    void ReportLater(const QString& Error);

    TXVexoView* FView;
    std::function<void(const QString&)> ReportError;
};

// The arrow button (tag 0..5) a key stands for, or -1: Home, Page Up, Left, Right, Page Down, End.
int ArrowTagForKey(int Key);

// The name of the file an address names, for a title or a message: its last path component,
// decoded from the file system's bytes (what is no valid UTF-8 shows as U+FFFD) and elided.
QString FileNameOfAddress(const std::string& Address);

// The first address of a drop's "text/uri-list" (lines of %-encoded addresses, "#" comments),
// as bytes, so a file name that is no valid UTF-8 reaches the control exact; empty if none.
std::string FirstDroppedAddress(const QByteArray& UriList);

}  // namespace xvexo
