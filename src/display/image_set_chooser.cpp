#include "display/image_set_chooser.h"

#include <algorithm>
#include <string>

namespace xvexo {

void LoadImageSet(TKelGoPB& Painter, TImageSource& Source, int32_t S) {
    const int32_t N = S / Painter.Lines();
    if (N >= kMinImageCell && N <= kMaxImageCell) {
        const std::string Size = std::to_string(N);
        auto BlackStone = Source.Load("bs" + Size);
        auto WhiteStone = Source.Load("ws" + Size);
        auto BlackMask = Source.Load("bm" + Size);
        auto WhiteMask = Source.Load("wm" + Size);
        Painter.SetStoneImages(std::move(BlackStone), std::move(WhiteStone), std::move(BlackMask),
                               std::move(WhiteMask));
    }
    Painter.SetBoardSize(S);
}

int32_t MainViewCellSize(int PanelWidth, int PanelHeight, int32_t LabelMargin, int32_t Lines) {
    const int32_t N =
        std::min((PanelWidth - 5 - LabelMargin) / Lines, (PanelHeight - 5 - LabelMargin) / Lines);
    return Lines < kBoardLines ? std::min(N, kMaxImageCell) : N;
}

int32_t ReferenceCellSize(int PanelWidth, int PanelHeight, int32_t LabelMargin, int32_t Lines) {
    const int32_t N =
        std::min((PanelWidth - LabelMargin) / Lines, (PanelHeight - LabelMargin) / Lines);
    return std::min(N, kMaxImageCell);
}

void ChooseMainImageSet(TKelGoPB& Painter, TImageSource& Source, int PanelWidth, int PanelHeight) {
    const int32_t Lines = Painter.Lines();
    const int32_t S =
        Lines * MainViewCellSize(PanelWidth, PanelHeight, Painter.LabelMargin(), Lines);
    if (S != Painter.BoardSize() || !Painter.IsSized()) LoadImageSet(Painter, Source, S);
}

void ChooseReferenceImageSet(TKelGoPB& Painter, TImageSource& Source, int PanelWidth,
                             int PanelHeight) {
    const int32_t Lines = Painter.Lines();
    const int32_t N = ReferenceCellSize(PanelWidth, PanelHeight, Painter.LabelMargin(), Lines);
    if (N != Painter.CellSize() || !Painter.IsSized()) LoadImageSet(Painter, Source, Lines * N);
}

}  // namespace xvexo
