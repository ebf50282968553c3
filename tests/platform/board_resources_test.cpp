// The generated board pictures: names, sizes, bit depths and the mask invariant.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <algorithm>
#include <string>

#include "platform/fonts.h"
#include "platform/resource_store.h"

namespace xvexo {
namespace {

TEST(BoardResources, StonesAndMasksHaveTheirSizesDepthsAndInvariant) {
    for (int N = 10; N <= 59; ++N) {
        for (const char* Colour : {"B", "W"}) {
            const std::string Suffix = std::to_string(N);
            const QImage Stone = LoadResourceImage(std::string(Colour) + "S" + Suffix);
            const QImage Mask = LoadResourceImage(std::string(Colour) + "M" + Suffix);
            ASSERT_EQ(Stone.size(), QSize(N, N)) << Colour << N;
            ASSERT_EQ(Mask.size(), QSize(N, N)) << Colour << N;
            EXPECT_EQ(Stone.format(), QImage::Format_Indexed8);
            EXPECT_EQ(Mask.depth(), 1);
            int Inside = 0;
            for (int Y = 0; Y < N; ++Y) {
                for (int X = 0; X < N; ++X) {
                    const QRgb M = Mask.pixel(X, Y);
                    ASSERT_TRUE(M == qRgb(0, 0, 0) || M == qRgb(255, 255, 255));
                    if (M == qRgb(255, 255, 255)) {
                        ASSERT_EQ(Stone.pixel(X, Y), qRgb(0, 0, 0))
                            << Colour << N << " " << X << "," << Y;
                    } else {
                        ++Inside;
                    }
                }
            }
            // Round: the corners are outside (the lower right one holds the stone's shadow from
            // 14 pixels on), the middle row and column inside.
            for (auto [X, Y] : {std::pair{0, 0}, {N - 1, 0}, {0, N - 1}}) {
                EXPECT_EQ(Mask.pixel(X, Y), qRgb(255, 255, 255)) << Colour << N;
            }
            if (N < 14) {
                EXPECT_EQ(Mask.pixel(N - 1, N - 1), qRgb(255, 255, 255)) << Colour << N;
            }
            EXPECT_EQ(Mask.pixel(N / 2, 0), qRgb(0, 0, 0)) << Colour << N;
            EXPECT_EQ(Mask.pixel(0, N / 2), qRgb(0, 0, 0)) << Colour << N;
            EXPECT_GT(Inside, 3.14159 * N * N / 4 - N * 2.5) << Colour << N;
            EXPECT_LT(Inside, 3.14159 * N * N / 4 + N * 4) << Colour << N;
        }
    }
}

// White move numbers are written across the middle of a black stone: its sheen stays a dull grey
// there, so no bright spot merges with a digit (a "1" would read as an "f").
TEST(BoardResources, BlackStonesHaveNoSpotAsBrightAsTheirNumbers) {
    for (int N = 10; N <= 59; ++N) {
        const QImage Stone = LoadResourceImage("BS" + std::to_string(N));
        const float Centre = N / 2.0f;
        int Brightest = 0;
        for (int Y = 0; Y < N; ++Y) {
            for (int X = 0; X < N; ++X) {
                const float DX = X + 0.5f - Centre, DY = Y + 0.5f - Centre;
                if (DX * DX + DY * DY > 0.7f * 0.7f * Centre * Centre) continue;
                const QRgb P = Stone.pixel(X, Y);
                Brightest = std::max(Brightest, (qRed(P) + qGreen(P) + qBlue(P)) / 3);
            }
        }
        EXPECT_LT(Brightest, 190) << N;
    }
}

TEST(BoardResources, WoodAndEdges) {
    const QImage Wood = LoadResourceImage("BASEB");
    EXPECT_EQ(Wood.size(), QSize(65, 243));
    EXPECT_EQ(Wood.format(), QImage::Format_Indexed8);
    const QImage Edge = LoadResourceImage("bedge");
    EXPECT_EQ(Edge.size(), QSize(9, 12));
    EXPECT_EQ(Edge.depth(), 32);  // stored as 24-bit RGB, read as 32-bit RGB
    EXPECT_FALSE(Edge.hasAlphaChannel());
    const QImage Green = LoadResourceImage("GEdge");
    EXPECT_EQ(Green.size(), QSize(10, 12));
    // Both fade into their surround at the far end of the strips.
    EXPECT_EQ(Green.pixel(9, 4), qRgb(64, 128, 128));
    EXPECT_EQ(Green.pixel(2, 11), qRgb(64, 128, 128));
    EXPECT_EQ(Edge.pixel(2, 11), qRgb(212, 208, 200));
}

TEST(BoardResources, WoodTilesWithoutSeams) {
    // Across the tile's own edges the wood changes about as much as between any two
    // neighbouring columns or rows inside it.
    const QImage Wood = LoadResourceImage("baseb").convertToFormat(QImage::Format_RGB32);
    const int W = Wood.width(), H = Wood.height();
    auto Step = [&](int X1, int Y1, int X2, int Y2) {
        return std::abs(qGreen(Wood.pixel(X1, Y1)) - qGreen(Wood.pixel(X2, Y2)));
    };
    double Inner = 0, Seam = 0;
    for (int Y = 0; Y < H; ++Y) {
        Seam += Step(W - 1, Y, 0, Y);
        for (int X = 0; X + 1 < W; ++X)
            Inner += Step(X, Y, X + 1, Y);
    }
    EXPECT_LT(Seam, 2 * Inner / (W - 1));
    Inner = Seam = 0;
    for (int X = 0; X < W; ++X) {
        Seam += Step(X, H - 1, X, 0);
        for (int Y = 0; Y + 1 < H; ++Y)
            Inner += Step(X, Y, X, Y + 1);
    }
    EXPECT_LT(Seam, 2 * Inner / (H - 1));
}

TEST(BoardResources, NamesAreCaseInsensitiveAndMissingOnesFail) {
    EXPECT_EQ(LoadResourceImage("bs19"), LoadResourceImage("BS19"));
    EXPECT_EQ(ResourcePath("wm33", "png"), QStringLiteral(":/res/WM33.png"));
    EXPECT_THROW(LoadResourceImage("bs60"), TResourceNotFound);
    EXPECT_THROW(LoadResourceImage("bs9"), TResourceNotFound);
    EXPECT_THROW(LoadResourceData("nothing", "wav"), TResourceNotFound);
    try {
        LoadResourceImage("nosuch");
        FAIL();
    } catch (const TResourceNotFound& E) {
        EXPECT_STREQ(E.what(), "Resource not found: nosuch");
    }
    TResourceStore Store;
    const auto A = Store.Load("Ws24");
    EXPECT_EQ(A->Width(), 24);
    EXPECT_THROW(Store.Load("ws60"), TResourceNotFound);
}

TEST(Fonts, NamedFamiliesResolveToTheInstalledFonts) {
    struct TCase {
        const char* Name;
        const char* Family;
    };
    for (const TCase& T :
         {TCase{"MS Sans Serif", "Liberation Sans"}, TCase{"Times New Roman", "Liberation Serif"},
          TCase{"MS Serif", "Liberation Serif"}, TCase{"Impact", "Liberation Sans Narrow"},
          TCase{"\xEA\xB5\xB4\xEB\xA6\xBC\xEC\xB2\xB4", "NanumGothicCoding"},
          TCase{"\xE5\xAE\x8B\xE4\xBD\x93", "Noto Serif CJK SC"}}) {
        const QFont F = MakeCanvasFont(T.Name, 10, false);
        EXPECT_EQ(QFontInfo(F).family(), QString::fromLatin1(T.Family)) << T.Name;
        EXPECT_EQ(F.pixelSize(), 13);
        // Widgets asking for the family by name get the same font.
        EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8(T.Name))).family(),
                  QString::fromLatin1(T.Family))
            << T.Name;
    }
    EXPECT_TRUE(MakeCanvasFont("Impact", 10, false).bold());
}

}  // namespace
}  // namespace xvexo
