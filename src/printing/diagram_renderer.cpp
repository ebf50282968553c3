#include "printing/diagram_renderer.h"

#include <algorithm>
#include <array>

#include "display/star_points.h"

namespace xvexo {

namespace {

// Printed for labels 'a'..'n'.
constexpr std::array<const char*, 14> kKoreanLetters = {"가", "나", "다", "라", "마", "바", "사",
                                                        "아", "자", "차", "카", "타", "파", "하"};

// Character width of the number fonts for 1, 2 and 3 or more digits, % of their height.
constexpr std::array<int, 3> kNumberWidthPct = {42, 40, 30};

enum TDirection { dUp, dRight, dDown, dLeft };

// Draws the cells of one DrawGrid call with the objects and geometry it sets up.
class TGridRenderer {
  public:
    TGridRenderer(PrintSurface& Surface, const LDispGGrid& Grid, int Top, const TGPOPTION& Option,
                  int Left, const std::string& FontName)
        : S(Surface),
          Grid(Grid),
          Top(Top),
          Left(Left),
          Option(Option),
          G(std::clamp(Option.GridSize, 1, kMaxPrintCell)),
          H(G / 2),
          E(G % 2 != 0 ? H : H + 1),
          T2((2 * G / 100) / 2),
          T7((7 * G / 100) / 2),
          T22((22 * G / 100) / 2),
          Inset(5 * G / 200),
          Edge(Grid.Lines() - 1),
          LabelFont{FontName, G * Option.LabelFontPct / 100},
          L(LabelFont.Height) {
        const int NumberHeight = G * Option.NumberFontPct / 100;
        for (size_t I = 0; I < NumberFonts.size(); ++I) {
            NumberFonts[I] = {FontName, NumberHeight, NumberHeight * kNumberWidthPct[I] / 100,
                              true};
        }
        OutlinePen = {TPenStyle::InsideFrame, G * Option.OutlinePct / 100, kPrintBlack};
    }

    void Draw() {
        const TPrintPen OldPen = S.SelectPen({TPenStyle::Solid, 1, kPrintWhite});
        const TPrintBrush OldBrush = S.SelectBrush({kPrintWhite});
        if (Option.DrawBoard == 1) {
            for (int Row = 0; Row <= Edge; ++Row) {
                for (int Column = 0; Column <= Edge; ++Column)
                    DrawGridCell(Row, Column);
            }
        } else {
            for (int Row = 0; Row < LDispGGrid::Rows; ++Row) {
                // A row goes on a group that did not fit the row above; it may start with the
                // group's dash.
                if (IsEmpty(Row, 0) && Grid.GetMark(Row, 0) == 0) break;
                for (int Column = 0; Column < kNoteColumns; ++Column) {
                    DrawGridCell(Row, Column);
                    if (IsEmpty(Row, Column) && IsEmpty(Row, Column + 1)) break;
                }
            }
        }
        S.SelectPen(OldPen);
        S.SelectBrush(OldBrush);
    }

  private:
    static constexpr int kNoteColumns = LDispGGrid::Columns - 1;
    static constexpr TPrintPen kNoPen{TPenStyle::Null, 0, kPrintBlack};

    bool IsEmpty(int Row, int Column) const { return Grid.GetColor(Row, Column) == kCellEmpty; }
    bool IsStone(int Row, int Column) const { return Grid.GetColor(Row, Column) < kCellEmpty; }

    // The segment from the intersection toward direction D, relative to the cell.
    TPrintRect Segment(TDirection D, bool Border) const {
        const int T = Border ? T7 : T2;
        const int Shift = Border ? 1 : 0;  // border segments lie one dot further right
        switch (D) {
            case dUp:
                return {E - T + Shift, 0, H + T + Shift, H};
            case dRight:
                return {E + Shift, E - T, G + Shift, H + T};
            case dDown:
                return {E - T + Shift, E, H + T + Shift, G};
            case dLeft:
                break;
        }
        return {Shift, E - T, H + Shift, H + T};
    }

    void Fill(int CX, int CY, const TPrintRect& R, TPrintColour C) {
        S.FillRect({CX + R.Left, CY + R.Top, CX + R.Right, CY + R.Bottom}, C);
    }

    // A white disc of diameter about L on the intersection, clearing the lines under a text.
    void WhiteDisc(int CX, int CY) {
        S.SelectPen(kNoPen);
        S.SelectBrush({kPrintWhite});
        S.Ellipse({CX + H - L / 2, CY + H - L / 2, CX + H + L / 2, CY + H + L / 2});
    }

    void DrawLines(int Row, int Column, int CX, int CY) {
        static constexpr int kDR[4] = {-1, 0, 1, 0};
        static constexpr int kDC[4] = {0, 1, 0, -1};
        const bool Stone = IsStone(Row, Column);
        bool Drawn = false;
        for (int D = dUp; D <= dLeft; ++D) {
            if ((D == dUp && Row == 0) || (D == dRight && Column == Edge) ||
                (D == dDown && Row == Edge) || (D == dLeft && Column == 0)) {
                continue;
            }
            if (Stone && IsStone(Row + kDR[D], Column + kDC[D])) continue;
            const bool Horizontal = D == dLeft || D == dRight;
            const bool Border =
                Horizontal ? (Row == 0 || Row == Edge) : (Column == 0 || Column == Edge);
            Fill(CX, CY, Segment(static_cast<TDirection>(D), Border), kPrintBlack);
            Drawn = true;
        }
        // Drawn whenever one of its segments is; a stone on it then covers it.
        if (Drawn && IsStarPoint(Edge + 1, Column + 1, Row + 1)) {
            S.Ellipse({CX + E - T22, CY + E - T22, CX + H + T22, CY + H + T22});
        }
    }

    void DrawGridCell(int Row, int Column) {
        const int CX = Left + G * Column;
        const int CY = Top + G * Row;
        const uint32_t Colour = Grid.GetColor(Row, Column);
        const uint8_t Mark = Grid.GetMark(Row, Column);
        const int16_t Number = Grid.GetNumber(Row, Column);
        const TPrintColour TextColour = Colour == kCellBlack ? kPrintWhite : kPrintBlack;

        S.SelectPen(kNoPen);
        S.SelectBrush({kPrintBlack});
        if (Option.DrawBoard == 1) DrawLines(Row, Column, CX, CY);

        if (Colour == kCellBlack || Colour == kCellWhite) {
            S.SelectPen(OutlinePen);
            S.SelectBrush({Colour == kCellBlack ? kPrintBlack : kPrintWhite});
            S.Ellipse({CX + Inset, CY + Inset, CX + G - 1 - Inset, CY + G - 1 - Inset});
        }

        if (Mark != 0 && Option.ShowLabels == 1) {
            S.SelectFont(LabelFont);
            S.SetTransparentText(true);
            S.SetTextAlign(THorzAlign::Center, TVertAlign::Top);
            if (Colour == kCellEmpty) WhiteDisc(CX, CY);
            S.SetTextColour(TextColour);
            S.TextOut(CX + H, CY + H - L / 2, MarkText(Mark));
        }

        if (Option.ShowNumbers == 1 && Number >= 0 && Mark == 0) {
            const std::string Text = std::to_string(Number);
            const size_t Font = std::min<size_t>(Text.size(), 3) - 1;
            S.SelectFont(NumberFonts[Font]);
            S.SetTransparentText(true);
            S.SetTextAlign(THorzAlign::Center, TVertAlign::Top);
            const int V = H - S.TextHeight("0") / 2 - 1;
            if (Colour == kCellEmpty) WhiteDisc(CX, CY);
            S.SetTextColour(TextColour);
            S.TextOut(CX + H, CY + V, Text);
        }
    }

    PrintSurface& S;
    const LDispGGrid& Grid;
    const int Top;
    const int Left;
    const TGPOPTION& Option;
    const int G;   // cell size
    const int H;   // the intersection lies at (H, H) in the cell
    const int E;   // where the right and lower halves of a line begin
    const int T2;  // half widths: inner lines, border lines, star points
    const int T7;
    const int T22;
    const int Inset;  // stone bounds inset
    const int Edge;   // the last row and column of the board
    const TPrintFont LabelFont;
    const int L;  // label font height: sizes the white discs
    std::array<TPrintFont, 3> NumberFonts;
    TPrintPen OutlinePen;
};

}  // namespace

std::string MarkText(uint8_t Mark) {
    if (Mark == '-') return "-";
    if (Mark >= 'a' && Mark < 'a' + kKoreanLetters.size()) return kKoreanLetters[Mark - 'a'];
    if (Mark < 0x80) return std::string(1, static_cast<char>(Mark));
    // Bytes past ASCII print as the character of the same code.
    return {static_cast<char>(0xC0 | (Mark >> 6)), static_cast<char>(0x80 | (Mark & 0x3F))};
}

void DrawGrid(PrintSurface& Surface, const LDispGGrid& Grid, int Top, const TGPOPTION& Option,
              int Left, const std::string& FontName) {
    TGridRenderer(Surface, Grid, Top, Option, Left, FontName).Draw();
}

}  // namespace xvexo
