#include "display/view_options.h"

#include <algorithm>
#include <cctype>

namespace xvexo {

namespace {

bool SameLetters(std::string_view A, std::string_view B) {
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
               return std::tolower(static_cast<unsigned char>(X)) ==
                      std::tolower(static_cast<unsigned char>(Y));
           });
}

constexpr std::array<TCoordinates, 3> kStyles = {TCoordinates::Designed, TCoordinates::Standard,
                                                 TCoordinates::None};

}  // namespace

bool IsKnownLanguage(std::string_view Code) {
    return std::any_of(kLanguages.begin(), kLanguages.end(),
                       [Code](const TLanguage& L) { return L.Code == Code; });
}

std::string_view CoordinatesName(TCoordinates Style) {
    switch (Style) {
        case TCoordinates::Standard:
            return "standard";
        case TCoordinates::None:
            return "none";
        case TCoordinates::Designed:
            break;
    }
    return "designed";
}

std::optional<TCoordinates> CoordinatesOfName(std::string_view Name) {
    for (const TCoordinates Style : kStyles) {
        if (SameLetters(Name, CoordinatesName(Style))) return Style;
    }
    return std::nullopt;
}

std::string TViewSettings::Language() const {
    const std::optional<std::string> Code = Registry.ReadString(kViewKey, kLanguageValue);
    if (Code && IsKnownLanguage(*Code)) return *Code;
    return std::string(kDefaultLanguage);
}

std::optional<TCoordinates> TViewSettings::Coordinates() const {
    const std::optional<std::string> Name = Registry.ReadString(kViewKey, kCoordinatesValue);
    return Name ? CoordinatesOfName(*Name) : std::nullopt;
}

void TViewSettings::SetLanguage(std::string_view Code) {
    Registry.Update([Code](TUserRegistry& R) { R.WriteString(kViewKey, kLanguageValue, Code); });
}

void TViewSettings::SetCoordinates(std::optional<TCoordinates> Style) {
    Registry.Update([Style](TUserRegistry& R) {
        if (Style) {
            R.WriteString(kViewKey, kCoordinatesValue, CoordinatesName(*Style));
        } else {
            R.DeleteValue(kViewKey, kCoordinatesValue);
        }
    });
}

}  // namespace xvexo
