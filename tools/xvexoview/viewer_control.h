#pragma once
// What the host window needs of the viewer control, whether the control lives in this program
// or in a library: its widget, opening a record, its status, printing, stepping, and a signal
// on every change. The window is written against this interface alone.

#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "host_window_model.h"

class QWidget;

namespace xvexo {

class TViewerControl {
  public:
    // The steps a key or the wheel asks for, as the control's arrow buttons take them.
    enum class TStep { ToStart, BackFive, BackOne, ForwardOne, ForwardFive, ToEnd };

    // How an open ended.
    enum class TOpenResult {
        Opened,    // the record is shown
        NoRecord,  // read, but it holds no game record; the game shown stays
        Failed,    // the read or the parse failed; Error says why
        Cancelled  // another open or CancelLoad ended the wait for the source
    };

    virtual ~TViewerControl() = default;

    // The control's widget, owned by the control's parent.
    virtual QWidget* Widget() = 0;
    // The least size at which nothing of the control overlaps.
    virtual QSize LeastSize() const = 0;
    // Opens the record at Address (bytes: a path, or a file:// address). Error holds the reason
    // when the result is Failed or Cancelled.
    virtual TOpenResult Open(const std::string& Address, QString* Error) = 0;
    // Makes an open that waits for its source give up.
    virtual void CancelLoad() = 0;
    virtual TViewerStatus Status() const = 0;
    // The control's print command for the game shown.
    virtual void Print() = 0;
    virtual void Step(TStep Step) = 0;
    // Closes the reference window when it is open; false when there was none to close.
    virtual bool CloseReference() = 0;
    // Change runs after every step, every record shown and every change of mode.
    virtual void SetOnChange(std::function<void()> Change) = 0;
    // The coordinates for every record from now on; nullopt: each record shows those of its
    // format.
    virtual void SetCoordinates(std::optional<TCoordinates> Choice) = 0;
};

}  // namespace xvexo
