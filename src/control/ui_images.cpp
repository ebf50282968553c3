#include "control/ui_images.h"

#include <string>

#include "platform/resource_store.h"

namespace xvexo {

QImage UiImage(const char* name) {
    return QImage(ResourcePath(std::string(name), "png"));
}

}  // namespace xvexo
