#include "control/ui_images.h"

#include <QString>

namespace xvexo {

QImage UiImage(const char* name) {
    return QImage(QStringLiteral(":/res/") + QString::fromLatin1(name).toUpper() +
                  QStringLiteral(".png"));
}

}  // namespace xvexo
