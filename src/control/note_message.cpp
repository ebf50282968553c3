#include "control/note_message.h"

namespace xvexo {

void TNoteMessage::EnsureBlankLine() {
    const int N = Box.lineCount();
    if (N >= 1 && !Box.line(N - 1).isEmpty()) Box.addLine(QString());
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
