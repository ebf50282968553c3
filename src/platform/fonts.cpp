#include "platform/fonts.h"

#include <QStringList>
#include <array>
#include <cmath>
#include <utility>

namespace xvexo {

namespace {

struct TSubstitution {
    const char* Family;  // UTF-8
    const char* Installed;
};

constexpr std::array<TSubstitution, 8> kSubstitutions = {{
    {"\xE5\xAE\x8B\xE4\xBD\x93", "Noto Serif CJK SC"},  // SimSun
    {"SimSun", "Noto Serif CJK SC"},
    {"\xEA\xB5\xB4\xEB\xA6\xBC\xEC\xB2\xB4", "NanumGothicCoding"},  // GulimChe
    {"GulimChe", "NanumGothicCoding"},
    {"Times New Roman", "Liberation Serif"},
    {"MS Serif", "Liberation Serif"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Impact", "Liberation Sans Narrow"},
}};

}  // namespace

QString SubstituteFontFamily(const QString& Family) {
    for (const auto& S : kSubstitutions) {
        if (Family.compare(QString::fromUtf8(S.Family), Qt::CaseInsensitive) == 0) {
            return QString::fromLatin1(S.Installed);
        }
    }
    return Family;
}

void InstallFontSubstitutions() {
    for (const auto& S : kSubstitutions) {
        const QString Family = QString::fromUtf8(S.Family);
        if (!QFont::substitutes(Family).contains(QString::fromLatin1(S.Installed))) {
            QFont::insertSubstitution(Family, QString::fromLatin1(S.Installed));
        }
    }
}

QFont MakeCanvasFont(const std::string& Family, int Size, bool Bold) {
    const QString Name = QString::fromStdString(Family);
    QFont F(SubstituteFontFamily(Name));
    // Sizes are in points at 96 dots per inch, as on the screen the layout was made for.
    F.setPixelSize(std::max(1, static_cast<int>(std::lround(Size * 96.0 / 72.0))));
    const bool Impact = Name.compare(QStringLiteral("Impact"), Qt::CaseInsensitive) == 0;
    F.setBold(Bold || Impact);
    F.setStyleStrategy(QFont::PreferAntialias);
    return F;
}

}  // namespace xvexo
