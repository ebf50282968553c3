#include "platform/qt_image.h"

namespace xvexo {

TQtImage::TQtImage(const QImage& Source) : Pixels(Source.convertToFormat(QImage::Format_RGB32)) {}

}  // namespace xvexo
