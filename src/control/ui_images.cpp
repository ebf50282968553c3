#include "control/ui_images.h"

#include <string>

#include "display/view_options.h"
#include "platform/language.h"
#include "platform/resource_store.h"

namespace xvexo {

QImage UiImage(const char* Name) {
    return QImage(ResourcePath(std::string(Name), "png"));
}

QImage TextGlyph(const char* Name) {
    const std::string Code = InstalledLanguage();
    if (Code != kDefaultLanguage) {
        QImage Translated(ResourcePath(std::string(Name) + "_" + Code, "png"));
        if (!Translated.isNull()) return Translated;
    }
    return UiImage(Name);
}

}  // namespace xvexo
