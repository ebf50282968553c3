// The links to reference diagrams in the comment box, and opening the reference window.

#include "control/reference_window.h"
#include "control/xvexo_view.h"

namespace xvexo {

void TXVexoView::commentMContext(int Start, int End) {
    Model->LinkClick(commentM->contextText(Start, End).toStdString());
}

void TXVexoView::OpenReference(const TPosition& Snapshot, const std::string& Code) {
    if (!HelpForm) HelpForm = new TCHelpForm(this, *Images, *BaseB, *BEdge, *GEdge);
    HelpForm->SetCoordinates(Model->coordinates());
    HelpForm->Open(Snapshot, Code, Model->encoding());
}

}  // namespace xvexo
