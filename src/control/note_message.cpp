#include "control/note_message.h"

namespace xvexo {

void TNoteMessage::EnsureBlankLine() {
    const int n = Box.lineCount();
    if (n >= 1 && !Box.line(n - 1).isEmpty()) Box.addLine(QString());
}

void TNoteMessage::AddText(const QString& Line, bool Separate) {
    if (Separate) EnsureBlankLine();
    Box.addLine(Line);
}

void TNoteMessage::AddLink(const QString& Line, bool Separate) {
    if (Separate) EnsureBlankLine();
    Box.addLine(TPlusMemoU::StartKey() + Line + TPlusMemoU::StopKey());
}

}  // namespace xvexo
