#pragma once
// The form's own pictures (glyphs, wallpapers), compiled in as :/res/<NAME>.png.

#include <QImage>

namespace xvexo {

// The picture resource Name (any letter case); a null image when there is none.
QImage UiImage(const char* Name);

// A glyph that shows a text: NAME_<code> in the language installed when there is one (the text
// buttons are drawn in every language of the translations), else NAME, the designed Chinese.
QImage TextGlyph(const char* Name);

}  // namespace xvexo
