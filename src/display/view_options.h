#pragma once
// The viewer's view options and where they are kept: the languages the interface is offered in,
// and the coordinates choice (as designed, standard, none, or none chosen: each record shows
// those of its format). Both live under kViewKey of the user registry, as string values, so a
// settings file written by hand reads as the menus show it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "display/go_painter.h"
#include "records/user_registry.h"

namespace xvexo {

// A language of the interface: its code and its name in itself (the menu shows this name in
// every language, so a user finds their own).
struct TLanguage {
    std::string_view Code;
    std::string_view Name;
};

// The designed Chinese first: it is the default.
inline constexpr std::array<TLanguage, 4> kLanguages = {{
    {"zh", "中文"},
    {"en", "English"},
    {"ko", "한국어"},
    {"ja", "日本語"},
}};
inline constexpr std::string_view kDefaultLanguage = "zh";

// Whether Code is one of kLanguages.
bool IsKnownLanguage(std::string_view Code);

// The names the settings keep coordinates under: "designed", "standard", "none".
std::string_view CoordinatesName(TCoordinates Style);
// The coordinates of a stored name (case does not matter); nullopt for any other text.
std::optional<TCoordinates> CoordinatesOfName(std::string_view Name);

// The view options in the user registry. A value that is missing, of another type or not one
// of the names above reads as the default: Chinese, and no coordinates chosen. Each change is
// one store; it throws TRegistryError when the registry cannot be written.
class TViewSettings {
  public:
    static constexpr const char* kViewKey = "Software\\XVexoView\\View";
    static constexpr const char* kLanguageValue = "Language";
    static constexpr const char* kCoordinatesValue = "Coordinates";

    explicit TViewSettings(TUserRegistry& Registry) : Registry(Registry) {}

    std::string Language() const;
    std::optional<TCoordinates> Coordinates() const;
    void SetLanguage(std::string_view Code);
    // nullopt removes the choice: each record shows the coordinates of its format again.
    void SetCoordinates(std::optional<TCoordinates> Style);

  private:
    TUserRegistry& Registry;
};

}  // namespace xvexo
