#pragma once
// The viewer control as the program gets it: the control library loaded with dlopen, its class
// factory asked for a control, and the control taken as a widget through its widget interface.

#include <QString>
#include <memory>

#include "viewer_control.h"

namespace xvexo {

// A control of the library (found beside the program, in the library folder of its prefix, or
// where the system looks). Null, with the reason in Error, when the library or its control is
// missing. Notice (when given) receives what the library could not do as it started (print
// settings it could not store), empty when all went well. The control's widget goes when the
// control does.
std::unique_ptr<TViewerControl> MakeLibraryControl(QString& Error, QString* Notice = nullptr);

}  // namespace xvexo
