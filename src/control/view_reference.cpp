// The links to reference diagrams in the comment box, and opening the reference window.

#include <memory>

#include "control/reference_window.h"
#include "control/xvexo_view.h"
#include "records/diagram_link.h"
#include "records/display_text.h"

namespace xvexo {

void TXVexoView::commentMContext(int Start, int End) {
    // The checks count the bytes of the link text in the system's code page.
    const std::string Text = EncodeGbk(commentM->contextText(Start, End).toStdString());
    const int32_t K = DiagramLinkNumber(Text);
    if (K < 1) return;
    const TNoteRec* Note = FindDiagramNote(Record, CommentMove(), K);
    if (!Note) return;
    OpenReference(Note->Text);
}

void TXVexoView::OpenReference(const std::string& Code) {
    if (!HelpForm) HelpForm = new TCHelpForm(this, *Images, *BaseB, *BEdge, *GEdge);
    auto Snapshot = std::make_unique<TPosition>();
    Board->GetPosition(*Snapshot);
    HelpForm->Open(*Snapshot, Code, Encoding);
}

}  // namespace xvexo
