#pragma once
// One control as the host sees it: the form (its own board, painter and engine) behind the
// dispatch interface IXVexoView, the connection point of IXVexoViewEvents, the window interface
// for hosts without a Qt loop, and the widget interface for Qt hosts. All interfaces share one
// count of references; the last Release fires OnDestroy and frees the form.

#include "xvexoview.h"

namespace xvexo::library {

// A new control with one reference, answering Iid; XV_E_NOINTERFACE (and no control) when it
// has no such interface.
XVHRESULT CreateControl(const XVGUID& Iid, void** Out);

// A font object on the font of Widget (a QWidget), with one reference: its puts change the
// widget's font while the widget lives.
XVDispatch* CreateFontObject(void* Widget);

}  // namespace xvexo::library
