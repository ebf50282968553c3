// The XVexoView control for a Qt host: the control as a widget, beside the C interface of
// xvexoview.h and sharing its implementation. A Qt host gets a control from the class factory as
// any host does, then asks it for IID_IXVexoViewWidget:
//
//   IXVexoViewWidget* W = nullptr;
//   Control->lpVtbl->QueryInterface(Control, &IID_IXVexoViewWidget, (void**)&W);
//   Layout->addWidget(W->Widget());
//   ...
//   W->Release();
//
// The host and the library must use the same Qt libraries. The widget belongs to the control:
// the host may give it a parent and a place, and must not delete it; it goes when the control's
// last reference is released.
#ifndef XVEXOVIEW_WIDGET_H
#define XVEXOVIEW_WIDGET_H

#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "xvexoview.h"

class QWidget;

static const XVGUID IID_IXVexoViewWidget = {
    0x297dee7d, 0xca33, 0x451c, {0xa6, 0x85, 0xfe, 0x93, 0xfc, 0x1c, 0x5a, 0x1e}};

// Where the shown game stands.
struct TXVexoViewStatus {
    bool HasRecord = false;  // false: the empty board the control starts with
    std::string GameTitle;   // the game's title (UTF-8, at most 200 characters), may be empty
    int32_t MoveIndex = 0;   // the move shown
    int32_t MoveCount = 0;   // the last move the board can step to
    bool BlackToPlay = true;
    bool LastWasPass = false;  // the move shown is a pass
    int Coordinates = 1;       // the board's labels: 1 as designed, 2 standard, 3 none
};

// The first three members are those of IUnknown, in its order, so the pointer is a COM
// interface as well: Release it when done.
class IXVexoViewWidget {
  public:
    virtual XVHRESULT QueryInterface(const XVGUID* riid, void** ppv) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

    // The steps of the six arrow buttons, left to right.
    enum TStep : int { ToStart, BackFive, BackOne, ForwardOne, ForwardFive, ToEnd };
    // How an open ended.
    enum TOpenResult : int {
        Opened,    // the record is shown
        NoRecord,  // read, but it holds no game record; the game shown stays
        Failed,    // the read or the parse failed; Error says why
        Cancelled  // another open or CancelLoad ended the wait for the source
    };

    // The control's form.
    virtual QWidget* Widget() = 0;
    // The least size at which nothing of the form overlaps.
    virtual QSize LeastSize() = 0;
    // getFile(Address, 0): Address as bytes (a path that is no valid UTF-8 stays exact).
    virtual TOpenResult Open(const std::string& Address, QString* Error) = 0;
    // Makes an open that waits for its source give up.
    virtual void CancelLoad() = 0;
    virtual TXVexoViewStatus Status() = 0;
    // The control's print command for the game shown.
    virtual void Print() = 0;
    virtual void Step(TStep Step) = 0;
    // Closes the reference window when it is open; false when there was none to close.
    virtual bool CloseReference() = 0;
    // Runs after every step, every record shown and every change of mode (empty: nothing).
    virtual void SetOnChange(std::function<void()> Change) = 0;
    // What the library could not do when it started (the print settings it could not store),
    // for the host to tell the user; empty when all went well.
    virtual QString StartNotice() = 0;
    // The coordinates of the board and the reference window for every record from now on:
    // ByFormat lets each record show those of its format (standard for standard SGF, as
    // designed for the others). The language follows the translators the host installs in the
    // application (a LanguageChange event rewrites every text).
    enum TCoordinatesChoice : int { ByFormat, Designed, Standard, NoLabels };
    virtual void SetCoordinates(TCoordinatesChoice Choice) = 0;

  protected:
    ~IXVexoViewWidget() = default;
};

#endif  // XVEXOVIEW_WIDGET_H
