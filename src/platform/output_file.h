#pragma once
// Writing a program's output file (a picture, later a document) so that every failure is seen
// and reported in one line of our own: the content is made in memory, then its bytes are
// written and the file closed, each step checked.

#include <QImage>
#include <string>
#include <string_view>

namespace xvexo {

// Writes Bytes as the whole content of the file at Path (bytes, any name the system takes).
// False with the system's reason when the file could not be written in full (what arrived
// stays: the path may name a device or a file of someone else's, never removed here).
bool WriteWholeFile(const std::string& Path, std::string_view Bytes, std::string& Reason);

// Encodes Image as PNG in memory and writes it with WriteWholeFile. The PNG library's own
// messages are not passed on: a failure is Reason only.
bool WritePngFile(const QImage& Image, const std::string& Path, std::string& Reason);

}  // namespace xvexo
