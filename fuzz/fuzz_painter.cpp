// Arbitrary calls on the board painter, drawn on the recording canvas: sizes, numbers of lines,
// label margins, stone pictures of any size, points, values, marks, whole positions, clicks and
// repaints, in any order. Checks what each call stores, and that a repaint depends on the painter's
// state alone.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "display/go_painter.h"
#include "display/image_set_chooser.h"
#include "support/recording_canvas.h"

namespace {

using namespace xvexo;

// Board sizes up to 70-pixel cells, past the largest stone pictures (59) and the viewer's
// windows; larger boards only draw more of the same.
constexpr int32_t kMaxBoardSize = kBoardLines * 70;
// Mouse coordinates as a paint box delivers them: within a widget's largest size.
constexpr int kMaxMouse = 1 << 24;

int32_t Coordinate(FuzzedDataProvider& In) {
    return In.ConsumeBool() ? In.ConsumeIntegralInRange<int32_t>(-1, kBoardLines + 2)
                            : In.ConsumeIntegral<int32_t>();
}

// Mostly the value codes the painter draws (numbers, the mark, letters, syllables, squares,
// shapes), sometimes any value at all.
int32_t ValueCode(FuzzedDataProvider& In) {
    return In.ConsumeBool() ? In.ConsumeIntegralInRange<int32_t>(-2, 665)
                            : In.ConsumeIntegral<int32_t>();
}

void Trap(bool Fault) {
    if (Fault) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    FuzzedDataProvider In(Data, Size);
    testing::TRecordingCanvas Canvas;
    testing::TRecordedImage Base{"baseb", 65, 243};
    testing::TRecordedImage Edge{"bedge", 9, 12};
    testing::TRecordedImage TrialEdge{"gedge", 10, 12};
    testing::TRecordingImageSource Source;
    TKelGoPB Painter(Canvas, Base, Edge);
    Painter.OnPointClick = [](TKelGoPB&, TMouseButton, uint32_t, int32_t, int32_t) {};

    for (int Step = 0; Step < 64 && In.remaining_bytes() > 0; ++Step) {
        Canvas.Clear();  // only the last repaint is compared; the log stays small
        switch (In.ConsumeIntegralInRange<int>(0, 16)) {
            case 0:
                LoadImageSet(Painter, Source,
                             In.ConsumeIntegralInRange<int32_t>(-20, kMaxBoardSize));
                break;
            case 1:
                Painter.SetBoardSize(In.ConsumeIntegralInRange<int32_t>(-20, kMaxBoardSize));
                break;
            case 2:
                Painter.SetInitialBoardSize(In.ConsumeIntegralInRange<int32_t>(-20, kMaxBoardSize));
                break;
            case 3:
                Painter.SetLabelMargin(In.ConsumeIntegralInRange<int32_t>(-30, 60));
                break;
            case 4: {
                const auto Stone = In.ConsumeIntegral<uint8_t>();
                const int32_t Col = Coordinate(In);
                const int32_t Row = Coordinate(In);
                const int32_t Value = ValueCode(In);
                Painter.SetPoint(Stone, Col, Row, Value);
                const int32_t N = Painter.Lines();
                const bool On = Col >= 1 && Col <= N && Row >= 1 && Row <= N;
                Trap(Painter.Stone(Col, Row) != (On ? Stone : 0));
                Trap(Painter.Value(Col, Row) != (On ? Value : 0));
                break;
            }
            case 5: {
                const int32_t Col = Coordinate(In);
                const int32_t Row = Coordinate(In);
                const bool Toggle = In.ConsumeBool();
                Painter.DrawValue(Col, Row, Toggle, ValueCode(In));
                break;
            }
            case 6:
                Painter.Redraw();
                break;
            case 7: {
                TKelGoPB::TStoneGrid Stones{};
                for (auto& Row : Stones) {
                    for (auto& S : Row)
                        S = In.ConsumeIntegralInRange<uint8_t>(0, 3);
                }
                Painter.LoadPosition(Stones);
                break;
            }
            case 8: {
                TKelGoPB::TValueGrid Values{};
                for (auto& Row : Values) {
                    for (auto& V : Row)
                        V = In.ConsumeBool() ? ValueCode(In) : 0;
                }
                Painter.LoadValues(Values);
                break;
            }
            case 9:
                Painter.ClearValues();
                break;
            case 10: {
                const auto Button = static_cast<TMouseButton>(In.ConsumeIntegralInRange<int>(0, 2));
                const auto Shift = In.ConsumeIntegral<uint32_t>();
                const int X = In.ConsumeIntegralInRange<int>(-kMaxMouse, kMaxMouse);
                const int Y = In.ConsumeIntegralInRange<int>(-kMaxMouse, kMaxMouse);
                Painter.MouseDown(Button, Shift, X, Y);
                break;
            }
            case 11:
                Painter.SetEdgeImage(In.ConsumeBool() ? TrialEdge : Edge,
                                     In.ConsumeIntegral<TColour>());
                break;
            case 12: {
                // Pictures of any size, also smaller than a cell.
                auto Picture = [&](const char* Kind) {
                    return Source.Load(Kind + std::to_string(In.ConsumeIntegralInRange(0, 80)));
                };
                auto BlackStone = Picture("bs");
                auto WhiteStone = Picture("ws");
                auto BlackMask = Picture("bm");
                auto WhiteMask = Picture("wm");
                Painter.SetStoneImages(std::move(BlackStone), std::move(WhiteStone),
                                       std::move(BlackMask), std::move(WhiteMask));
                break;
            }
            case 13:
                Painter.SetLines(In.ConsumeIntegralInRange<int32_t>(-2, kBoardLines + 2));
                Trap(Painter.Lines() < kMinBoardLines || Painter.Lines() > kBoardLines);
                break;
            case 14: {
                const int32_t Col = Coordinate(In);
                const int32_t Row = Coordinate(In);
                const int32_t Code = ValueCode(In);
                Painter.SetMark(Col, Row, Code);
                const int32_t N = Painter.Lines();
                const bool On = Col >= 1 && Col <= N && Row >= 1 && Row <= N;
                Trap(Painter.Mark(Col, Row) != (On ? std::max(Code, 0) : 0));
                break;
            }
            case 15: {
                // Letters of any value: those outside 1..26 are none.
                TKelGoPB::TValueGrid Letters{};
                for (auto& Row : Letters) {
                    for (auto& L : Row)
                        L = In.ConsumeBool() ? In.ConsumeIntegralInRange<int32_t>(-3, 30) : 0;
                }
                Painter.LoadVariations(Letters);
                for (int32_t Row = 1; Row <= Painter.Lines(); ++Row) {
                    for (int32_t Col = 1; Col <= Painter.Lines(); ++Col) {
                        const int32_t L = Letters[Row - 1][Col - 1];
                        Trap(Painter.Variation(Col, Row) !=
                             (L >= 1 && L <= kMaxVariationLetters ? L : 0));
                    }
                }
                break;
            }
            case 16:
                Painter.SetCoordinates(
                    static_cast<TCoordinates>(In.ConsumeIntegralInRange<int>(0, 2)));
                break;
        }
    }

    // A repaint draws what the painter holds: two in a row make the same calls.
    Canvas.Clear();
    Painter.Redraw();
    const auto First = Canvas.Calls;
    Canvas.Clear();
    Painter.Redraw();
    Trap(Canvas.Calls != First);
    return 0;
}
