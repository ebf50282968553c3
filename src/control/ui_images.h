#pragma once
// The form's own pictures (glyphs, wallpapers), compiled in as :/res/<NAME>.png.

#include <QImage>

namespace xvexo {

// The picture resource Name (any letter case); a null image when there is none.
QImage UiImage(const char* Name);

}  // namespace xvexo
