#include "control/ui_images.h"

#include <string>

#include "platform/resource_store.h"

namespace xvexo {

QImage UiImage(const char* Name) {
    return QImage(ResourcePath(std::string(Name), "png"));
}

}  // namespace xvexo
