// The reference window's logic on any diagram codes and any sequence of its handlers: opening on
// a snapshot of a game, codes of any bytes (mostly of the code's own alphabet), steps, clicks
// of every button anywhere, passes, letters, resizes of its panels and of the window. Checks that
// a study round trip gives the diagram back as it was shown.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "display/reference_window_model.h"
#include "support/recording_canvas.h"

namespace {

using namespace xvexo;

void Trap(bool Fault) {
    if (Fault) __builtin_trap();
}

// Mostly bytes a code is made of (letters, the separator, a comment), sometimes any byte.
std::string DiagramCode(FuzzedDataProvider& In) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRST\\!xZ";
    std::string Code;
    const size_t Length = In.ConsumeIntegralInRange<size_t>(0, 96);
    for (size_t i = 0; i < Length && In.remaining_bytes() > 0; ++i) {
        Code += In.ConsumeBool()
                    ? kAlphabet[In.ConsumeIntegralInRange<size_t>(0, sizeof kAlphabet - 2)]
                    : static_cast<char>(In.ConsumeIntegral<uint8_t>());
    }
    return Code;
}

struct TPicture {
    TKelGoPB::TStoneGrid Stones{};
    TKelGoPB::TValueGrid Values{};
    bool operator==(const TPicture&) const = default;
};

TPicture PictureOf(const TKelGoPB& P) {
    TPicture Out;
    for (int Row = 1; Row <= kBoardLines; ++Row) {
        for (int Col = 1; Col <= kBoardLines; ++Col) {
            Out.Stones[Row - 1][Col - 1] = P.Stone(Col, Row);
            Out.Values[Row - 1][Col - 1] = P.Value(Col, Row);
        }
    }
    return Out;
}

void Click(TCHelpFormModel& Window, FuzzedDataProvider& In) {
    const auto Button = static_cast<TMouseButton>(In.ConsumeIntegralInRange<int>(0, 2));
    const int32_t Col = In.ConsumeIntegralInRange<int32_t>(-1, kBoardLines + 2);
    const int32_t Row = In.ConsumeIntegralInRange<int32_t>(-1, kBoardLines + 2);
    Window.BoardClick(Button, Col, Row);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    FuzzedDataProvider In(Data, Size);
    testing::TRecordingCanvas Box;
    testing::TRecordedImage Base{"baseb", 65, 243};
    testing::TRecordedImage BEdge{"bedge", 9, 12};
    testing::TRecordedImage GEdge{"gedge", 10, 12};
    testing::TRecordingImageSource Images;
    TCHelpFormModel Window(Box, Images, Base, BEdge, GEdge);
    Window.FormCreate();

    // The main board: a game of any moves, standing anywhere in it.
    TGoBoard Main;
    const int Moves = In.ConsumeIntegralInRange<int>(0, 120);
    for (int i = 0; i < Moves; ++i) {
        if (In.ConsumeIntegralInRange<int>(0, 15) == 0) {
            Main.PassMove();
        } else {
            Main.PlayMove(In.ConsumeIntegralInRange<int32_t>(1, kBoardLines),
                          In.ConsumeIntegralInRange<int32_t>(1, kBoardLines));
        }
    }
    for (int Back = In.ConsumeIntegralInRange<int>(0, Moves); Back > 0; --Back)
        Main.StepBack();
    auto Snapshot = std::make_unique<TPosition>();
    Main.GetPosition(*Snapshot);

    for (int Step = 0; Step < 48 && In.remaining_bytes() > 0; ++Step) {
        Box.Clear();  // the log stays small
        switch (In.ConsumeIntegralInRange<int>(0, 10)) {
            case 0:
                Window.Initialise(*Snapshot);
                if (In.ConsumeBool()) Window.FormShow();
                Window.ShowCode(DiagramCode(In));
                break;
            case 1:
                Window.StepClick(In.ConsumeIntegralInRange<int>(-1, 5));
                break;
            case 2:
                Click(Window, In);
                break;
            case 3:
                Window.PassBtnClick();
                break;
            case 4:
                Window.MarkOn = In.ConsumeBool();
                Window.MarkIndex = In.ConsumeIntegralInRange<int>(0, TCHelpFormModel::kLetters - 1);
                break;
            case 5:
                Window.pBBaseResize(In.ConsumeIntegralInRange<int>(0, 1400),
                                    In.ConsumeIntegralInRange<int>(0, 1400));
                break;
            case 6:
                Window.pCBaseResize(In.ConsumeIntegralInRange<int>(0, 2000));
                break;
            case 7: {
                // Study and back, from a freshly shown diagram: the same picture again.
                Window.Initialise(*Snapshot);
                Window.ShowCode(DiagramCode(In));
                const TPicture Shown = PictureOf(Window.Painter());
                Window.StepClick(TCHelpFormModel::kStudy);
                Trap(!Window.Study);
                for (int i = In.ConsumeIntegralInRange<int>(0, 8); i > 0; --i) {
                    if (In.ConsumeBool()) {
                        Click(Window, In);
                    } else {
                        Window.MarkOn = In.ConsumeBool();
                    }
                }
                Window.StepClick(TCHelpFormModel::kStudy);
                Trap(Window.Study);
                Trap(!(PictureOf(Window.Painter()) == Shown));
                break;
            }
            case 8:
                Window.MarkIndex = In.ConsumeIntegralInRange<int>(0, TCHelpFormModel::kLetters - 1);
                Window.StepClick(TCHelpFormModel::kStudy);
                break;
            case 9:
                if (In.ConsumeBool()) {
                    Window.StepToStart();
                } else {
                    Window.StepToEnd();
                }
                break;
            case 10:
                Window.FormResize(In.ConsumeIntegralInRange<int>(0, 3000),
                                  In.ConsumeIntegralInRange<int>(0, 3000));
                Trap(Window.HelpPanelHeight < TCHelpFormModel::kDesignHelpPanelHeight);
                break;
        }
        Trap(Window.MarkIndex < 0 || Window.MarkIndex >= TCHelpFormModel::kLetters);
    }
    return 0;
}
