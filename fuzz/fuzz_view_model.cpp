// The viewer form's logic on any record and any sequence of its handlers: records of any bytes
// read in each format, then arrows, clicks anywhere with any button, the wheel, texts in the
// move box, automatic play and its ticks, trial play, move numbers, link texts and diagram
// numbers, resizes and further records. Checks that trial play gives the record's position
// back as it was and that the comment box always opens with its empty link.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "display/main_view_model.h"
#include "support/recording_canvas.h"

namespace {

using namespace xvexo;

void Trap(bool Fault) {
    if (Fault) __builtin_trap();
}

struct TTimer : TPlayTimer {
    void Start(int32_t) override {}
    void Stop() override {}
    void SetInterval(int32_t) override {}
};

struct TSilence : TClickPlayer {
    void PlayClick() override {}
};

TKelGoPB::TStoneGrid StonesOf(const TKelGoPB& P) {
    TKelGoPB::TStoneGrid Out{};
    for (int Row = 1; Row <= kBoardLines; ++Row)
        for (int Col = 1; Col <= kBoardLines; ++Col)
            Out[Row - 1][Col - 1] = P.Stone(Col, Row);
    return Out;
}

void Load(TXVexoViewModel& Model, FuzzedDataProvider& In) {
    const int32_t Format = In.ConsumeIntegralInRange<int32_t>(kFormatTag, kFormatSgf);
    Model.LoadText(In.ConsumeRandomLengthString(4096), Format);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    FuzzedDataProvider In(Data, Size);
    testing::TRecordingCanvas Box;
    testing::TRecordedImage Base{"baseb", 65, 243};
    testing::TRecordedImage BEdge{"bedge", 9, 12};
    testing::TRecordedImage GEdge{"gedge", 10, 12};
    testing::TRecordingImageSource Images;
    TTimer Timer;
    TSilence Sound;
    TXVexoViewModel Model(Box, Images, Base, BEdge, GEdge, Timer, Sound);
    Model.pBaseResize(533, 497);
    Load(Model, In);

    // Where trial play began, to check what its end brings back.
    bool InTrial = false;
    TKelGoPB::TStoneGrid TrialStart{};
    int32_t TrialIndex = 0;
    int32_t TrialEnd = 0;
    for (int Steps = 0; Steps < 64 && In.remaining_bytes() > 0; ++Steps) {
        switch (In.ConsumeIntegralInRange<int>(0, 13)) {
            case 0:
                Model.ArrowClick(In.ConsumeIntegralInRange<int>(-1, 6));
                break;
            case 1:
                Model.BoardClick(static_cast<TMouseButton>(In.ConsumeIntegralInRange<int>(0, 2)),
                                 In.ConsumeIntegralInRange<int32_t>(-2, kBoardLines + 3),
                                 In.ConsumeIntegralInRange<int32_t>(-2, kBoardLines + 3));
                break;
            case 2:
                Model.BoardWheel(In.ConsumeIntegralInRange<int32_t>(-8, 8));
                break;
            case 3:
                Model.moveBtnClick(In.ConsumeRandomLengthString(4));
                break;
            case 4:
                Model.autoBtnClick();
                break;
            case 5:
                Model.TimerTimer();
                break;
            case 6:
                Model.autoEndBtnClick();
                break;
            case 7:
                if (!InTrial && Model.viewMode() == TXVexoViewModel::kViewing) {
                    InTrial = true;
                    TrialStart = StonesOf(Model.painter());
                    TrialIndex = Model.board().MoveIndex();
                    TrialEnd = Model.board().EndIndex();
                    Model.testBtnClick();
                }
                break;
            case 8:
                if (InTrial) {
                    InTrial = false;
                    Model.testEndBtnClick();
                    Trap(Model.viewMode() != TXVexoViewModel::kViewing);
                    Trap(Model.board().MoveIndex() != TrialIndex);
                    Trap(Model.board().EndIndex() != TrialEnd);
                    Trap(StonesOf(Model.painter()) != TrialStart);
                }
                break;
            case 9:
                if (Model.numbersShown()) {
                    Model.numEndBtnClick();
                } else {
                    Model.numBtnClick();
                }
                break;
            case 10:
                Model.LinkClick(In.ConsumeRandomLengthString(24));
                break;
            case 11:
                Model.OpenDiagram(In.ConsumeIntegralInRange<int32_t>(-1, 4));
                break;
            case 12:
                Model.pBaseResize(In.ConsumeIntegralInRange<int>(-10, 900),
                                  In.ConsumeIntegralInRange<int>(-10, 900));
                break;
            default:
                InTrial = false;  // a record ends trial play
                Load(Model, In);
                break;
        }
        const auto& Lines = Model.commentLines();
        if (Model.record().Info.CommentMode != "1" && Model.recordShown()) {
            Trap(Lines.empty() || !Lines[0].IsLink || !Lines[0].Text.empty());
        }
    }
    return 0;
}
