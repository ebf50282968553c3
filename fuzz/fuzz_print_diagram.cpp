// Any bytes as a printed diagram: a row width, a range, a handicap and up to 500 moves of any
// coordinates, built and drawn in board and list mode on a surface that draws nothing.

#include <cstddef>
#include <cstdint>

#include "printing/diagram_builder.h"
#include "printing/diagram_renderer.h"

namespace {

class TNullSurface : public xvexo::PrintSurface {
  public:
    int PrintableWidth() const override { return 4800; }
    int PrintableHeight() const override { return 6600; }
    int DotsPerInchY() const override { return 600; }
    void SetJobTitle(const std::string&) override {}
    void StartDocument() override {}
    void NewPage() override {}
    void EndDocument() override {}
    xvexo::TPrintPen SelectPen(const xvexo::TPrintPen& P) override { return P; }
    xvexo::TPrintBrush SelectBrush(const xvexo::TPrintBrush& B) override { return B; }
    xvexo::TPrintFont SelectFont(const xvexo::TPrintFont& F) override { return F; }
    void SetTextColour(xvexo::TPrintColour) override {}
    void SetTransparentText(bool) override {}
    void SetTextAlign(xvexo::THorzAlign, xvexo::TVertAlign) override {}
    void FillRect(const xvexo::TPrintRect&, xvexo::TPrintColour) override {}
    void Ellipse(const xvexo::TPrintRect&) override {}
    void TextOut(int, int, const std::string& Text) override { Chars += Text.size(); }
    int TextHeight(const std::string&) override { return 10; }
    std::string ShortDateText() override { return ""; }
    std::string LongTimeText() override { return ""; }
    size_t Chars = 0;
};

int Read16(const uint8_t* D) {
    return static_cast<int16_t>(D[0] | D[1] << 8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size < 6) return 0;
    const int Width = Data[0] % 32;
    const int First = Read16(Data + 1);
    const int Last = Read16(Data + 3);
    const int Handicap = Data[5] % 12;
    xvexo::TMoveCoords Moves;
    for (size_t I = 6; I + 1 < Size && Moves.Count < xvexo::kMaxMoves; I += 2) {
        Moves.Coords[Moves.Count++] = {Data[I], Data[I + 1]};
    }
    xvexo::LDispGGrid Board, Notes;
    const xvexo::TBuiltDiagram D =
        xvexo::BuildDiagram(Width, First, Last, Handicap, Moves, Board, Notes);
    if (D.Notes.Count < 0 || D.Notes.Count > xvexo::kMaxNoteEntries) __builtin_trap();
    for (int R = 0; R < xvexo::LDispGGrid::Rows; ++R) {
        // The last column of the notes stays empty, and numbers are moves of the range.
        if (Notes.GetColor(R, 28) != xvexo::kCellEmpty || Notes.GetMark(R, 28) != 0) {
            __builtin_trap();
        }
        for (int C = 0; C < xvexo::LDispGGrid::Columns; ++C) {
            const int N = Notes.GetNumber(R, C);
            if (N != -1 && (N < 1 || N > Moves.Count)) __builtin_trap();
        }
    }
    TNullSurface Surface;
    xvexo::TGPOPTION Option;
    Option.GridSize = 1 + Data[0] % 200;
    xvexo::DrawGrid(Surface, Board, 0, Option, 0);
    Option.DrawBoard = 0;
    xvexo::DrawGrid(Surface, Notes, 0, Option, 0);
    return 0;
}
