#pragma once
// Writing a program's output picture so that every failure is seen and reported in one line of
// our own: the PNG is made in memory, then written whole by WriteWholeFile (a file that stood
// at the path stays until the new one is complete).

#include <QImage>
#include <string>

#include "platform/whole_file.h"

namespace xvexo {

// Encodes Image as PNG in memory and writes it with WriteWholeFile. The PNG library's own
// messages are not passed on: a failure is Reason only.
bool WritePngFile(const QImage& Image, const std::string& Path, std::string& Reason);

}  // namespace xvexo
