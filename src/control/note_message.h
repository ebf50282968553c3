#pragma once
// Writes comment lines and diagram links into the comment box.

#include <QString>

#include "widgets/comment_box.h"

namespace xvexo {

class TNoteMessage {
  public:
    explicit TNoteMessage(TPlusMemoU& Box) : Box(Box) {}

    // Adds an empty line when the box has lines and the last one is not empty.
    void EnsureBlankLine();
    // Separate: a blank line first (EnsureBlankLine); then the line.
    void AddText(const QString& Line, bool Separate);
    // Separate: a blank line first; then the line between the start and stop keys.
    void AddLink(const QString& Line, bool Separate);

  private:
    TPlusMemoU& Box;
};

}  // namespace xvexo
