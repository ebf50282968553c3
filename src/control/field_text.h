#pragma once
// Showing a record's text in a label or a title: bounded, so that a hostile record (a title of
// ten megabytes) cannot stall the layout, and plain, so that its "<b>" is no markup.

#include <QLabel>
#include <QString>

#include "records/display_text.h"

namespace xvexo {

// Text cut after MaxChars characters with "…" appended (never inside a surrogate pair), or
// Text itself when it is no longer: ElideText of the core on a label's text.
QString ElideText(const QString& Text, qsizetype MaxChars = kMaxLabelChars);

// Shows Text in Label as plain text, elided to kMaxLabelChars and, when Width is positive,
// at the right to Width pixels (so a long title shows its start and "…", also centred); when
// it was cut, the tooltip holds Text (which the caller bounds, e.g. to kMaxTipChars) in lines
// of at most 80 characters.
void SetFieldText(QLabel& Label, const QString& Text, int Width = 0);

// Shows Text in a word-wrapped Label as plain text: elided to kMaxLabelChars and then, when its
// lines do not fit the label's size, cut to the longest start that fits with "…" (never inside
// a surrogate pair), so the last line shown is never clipped; the tooltip as SetFieldText's.
void SetWrappedFieldText(QLabel& Label, const QString& Text);

}  // namespace xvexo
