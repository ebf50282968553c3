#pragma once
// The desktop viewer's window: holds the control, steps it with the keyboard and opens a file
// dropped onto it.

#include <QWidget>
#include <functional>

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
    // Loads an address into the control and names it in the title. False (with Error) when the
    // load failed.
    bool Open(const QString& Address, QString* Error);

  protected:
    void keyPressEvent(QKeyEvent* E) override;
    void dragEnterEvent(QDragEnterEvent* E) override;
    void dropEvent(QDropEvent* E) override;

  private:
    void ReportLater(const QString& Error);

    TXVexoView* FView;
    std::function<void(const QString&)> ReportError;
};

// The arrow button (tag 0..5) a key stands for, or -1: Home, Page Up, Left, Right, Page Down, End.
int ArrowTagForKey(int Key);

}  // namespace xvexo
