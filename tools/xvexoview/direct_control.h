#pragma once
// The viewer control made in this program: the form itself behind TViewerControl.

#include <memory>

#include "control/xvexo_view.h"
#include "viewer_control.h"

namespace xvexo {

// A control whose widget is a new form, child of Parent, with Services.
std::unique_ptr<TViewerControl> MakeDirectControl(QWidget* Parent, TViewServices Services = {});

}  // namespace xvexo
