#pragma once
// The fonts the drawing code names, mapped to the fonts installed here.

#include <QFont>
#include <QString>
#include <string>

namespace xvexo {

// The installed family that stands in for a family the drawing code names ("MS Sans Serif",
// "Times New Roman", "MS Serif", "Impact", "굴림체", "宋体" and their Latin names); other names
// are returned unchanged.
QString SubstituteFontFamily(const QString& Family);

// Registers the substitutions with Qt, so widgets asking for those families get them too.
// Programs call it once at start.
void InstallFontSubstitutions();

// A font for the canvases: the substituted family at Size points (96 dots per inch). "Impact"
// stands in as a bold narrow face.
QFont MakeCanvasFont(const std::string& Family, int Size, bool Bold);

}  // namespace xvexo
