#include "display/go_painter.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "display/star_points.h"

namespace xvexo {

namespace {

// The fourteen syllables shown for the value codes 630..643.
constexpr std::array<const char*, 14> kKoreanSyllables = {
    "\xEA\xB0\x80", "\xEB\x82\x98", "\xEB\x8B\xA4", "\xEB\x9D\xBC", "\xEB\xA7\x88",
    "\xEB\xB0\x94", "\xEC\x82\xAC", "\xEC\x95\x84", "\xEC\x9E\x90", "\xEC\xB0\xA8",
    "\xEC\xB9\xB4", "\xED\x83\x80", "\xED\x8C\x8C", "\xED\x95\x98"};

constexpr const char* kNumberFont = "MS Sans Serif";
constexpr const char* kKoreanFont = "\xEA\xB5\xB4\xEB\xA6\xBC\xEC\xB2\xB4";  // Gulim-che

// Sets the painting flag for the life of the guard.
class TPaintingGuard {
  public:
    explicit TPaintingGuard(bool& Flag) : Flag(Flag) { Flag = true; }
    ~TPaintingGuard() { Flag = false; }
    TPaintingGuard(const TPaintingGuard&) = delete;
    TPaintingGuard& operator=(const TPaintingGuard&) = delete;

  private:
    bool& Flag;
};

}  // namespace

std::string ColumnLabel(TCoordinates Style, int32_t Col) {
    if (Col < 1 || Col > kBoardLines) return {};
    switch (Style) {
        case TCoordinates::Designed:
            return std::string(1, static_cast<char>('A' + Col - 1));
        case TCoordinates::Standard:
            // I is left out: it reads too much like J and 1.
            return std::string(1, static_cast<char>('A' + Col - 1 + (Col >= 9 ? 1 : 0)));
        case TCoordinates::None:
            break;
    }
    return {};
}

std::string RowLabel(TCoordinates Style, int32_t Row, int32_t Lines) {
    if (Row < 1 || Row > Lines) return {};
    switch (Style) {
        case TCoordinates::Designed:
            return std::to_string(Row);
        case TCoordinates::Standard:
            return std::to_string(Lines + 1 - Row);
        case TCoordinates::None:
            break;
    }
    return {};
}

TKelGoPB::TKelGoPB(TPaintBox& Box, const TImage& Base, const TImage& Edge)
    : TileWidth(Base.Width()),
      TileHeight(Base.Height()),
      BaseImage(&Base),
      EdgeImage(&Edge),
      Canvas(Box.Canvas()),
      Box(Box) {}

void TKelGoPB::SetStoneImages(std::unique_ptr<TImage> BlackStone,
                              std::unique_ptr<TImage> WhiteStone, std::unique_ptr<TImage> BlackMask,
                              std::unique_ptr<TImage> WhiteMask) {
    FBlackStoneImage = std::move(BlackStone);
    FWhiteStoneImage = std::move(WhiteStone);
    FBlackStoneMask = std::move(BlackMask);
    FWhiteStoneMask = std::move(WhiteMask);
}

void TKelGoPB::SetBoardSize(int32_t P) {
    // The first sizing always takes effect, even at the initial BoardSize: an unsized painter
    // has no cell size to draw or to convert clicks with.
    if (P < 1 || (Sized && P == FBoardSize)) return;
    Sized = true;
    FBoardSize = P;
    Box.SetClientSize(FLabelMargin + P, FLabelMargin + P);
    FCellSize = P / FLines;
    FHalfCell = FCellSize / 2;
    FitFonts();
    FBoardSize = std::max(P, FLines);
    SourceWidth = FCellSize;
    Redraw();
}

void TKelGoPB::SetLines(int32_t N) {
    N = std::clamp<int32_t>(N, kMinBoardLines, kBoardLines);
    if (N == FLines) return;
    FLines = N;
    Stones = {};
    Values = {};
    Marks = {};
    Variations = {};
    Sized = false;
}

void TKelGoPB::SetEdgeImage(const TImage& Edge, TColour LabelColour) {
    EdgeImage = &Edge;
    FLabelColour = LabelColour;
}

uint8_t TKelGoPB::FitFontSize(const std::string& FontName, const std::string& Sample,
                              bool ByHeight) {
    const int Limit = FCellSize - FCellSize / 3;
    int Size = 18;
    int Measure = 0;
    do {
        --Size;
        Canvas.SetFont(FontName, Size, false);
        if (Size == 0) break;
        Measure = ByHeight ? Canvas.TextHeight(Sample) : Canvas.TextWidth(Sample);
    } while (Measure > Limit);
    return static_cast<uint8_t>(Size);
}

void TKelGoPB::FitFonts() {
    FNumberSize3 = FitFontSize("Impact", "000", false);
    FNumberSize2 = FitFontSize("Times New Roman", "00", false);
    FKoreanSize = FitFontSize("Times New Roman", kKoreanSyllables[0], false);
    FLetterSize = FitFontSize("Times New Roman", "H", true);
}

void TKelGoPB::Redraw() {
    PaintBackground();
    DrawGrid();
    for (int32_t Row = 1; Row <= FLines; ++Row) {
        for (int32_t Col = 1; Col <= FLines; ++Col) {
            if (IsStarPoint(FLines, Col, Row)) DrawStarPoint(Col, Row);
        }
    }
    for (int32_t Row = 1; Row <= FLines; ++Row) {
        for (int32_t Col = 1; Col <= FLines; ++Col) {
            const uint8_t S = Stones[Row - 1][Col - 1];
            const int32_t V = Values[Row - 1][Col - 1];
            const int32_t M = Marks[Row - 1][Col - 1];
            if (S != 0) {
                SetPoint(S, Col, Row, V);
            } else if (M != 0 || Variations[Row - 1][Col - 1] != 0 || V > 0) {
                DrawOverlay(Col, Row);
            }
        }
    }
    if (FLabelMargin > 10 && FCoordinates != TCoordinates::None) DrawLabels();
}

void TKelGoPB::PaintBackground() {
    if (Painting) return;
    TPaintingGuard Guard(Painting);
    const int S = FBoardSize;
    // The label margin shows the panel: it is erased first, so the edge and the labels (drawn
    // with soft edges on a transparent background) are never drawn over their old selves.
    if (FLabelMargin > 0) {
        Canvas.EraseBackground(S, 0, S + FLabelMargin, S + FLabelMargin);
        Canvas.EraseBackground(0, S, S, S + FLabelMargin);
    }
    // A board that was never sized (SetInitialBoardSize below 1) has no wood to tile.
    if (TileWidth > 0 && TileHeight > 0 && S > 0) {
        const int TW = std::min(S, TileWidth);
        const int TH = std::min(S, TileHeight);
        const int NX = S / TW;
        const int NY = S / TH;
        const int RW = S % TW;
        const int RH = S % TH;
        for (int J = 0; J < NY; ++J) {
            for (int I = 0; I < NX; ++I)
                Canvas.CopyRect(I * TW, J * TH, TW, TH, *BaseImage, 0, 0);
        }
        if (RW > 0) {
            for (int J = 0; J < NY; ++J)
                Canvas.CopyRect(NX * TW, J * TH, RW, TH, *BaseImage, 0, 0);
        }
        if (RH > 0) {
            for (int I = 0; I < NX; ++I)
                Canvas.CopyRect(I * TW, NY * TH, TW, RH, *BaseImage, 0, 0);
        }
        if (RW > 0 && RH > 0) Canvas.CopyRect(NX * TW, NY * TH, RW, RH, *BaseImage, 0, 0);
    }

    Canvas.CopyRect(S, 0, 7, 5, *EdgeImage, 3, 0);
    for (int Y = 5; Y < S; ++Y)
        Canvas.CopyRect(S, Y, 7, 1, *EdgeImage, 3, 4);
    Canvas.CopyRect(0, S, 3, 7, *EdgeImage, 0, 5);
    for (int X = 3; X < S; ++X)
        Canvas.CopyRect(X, S, 1, 7, *EdgeImage, 2, 5);
    Canvas.CopyRect(S, S, 7, 7, *EdgeImage, 3, 5);

    Canvas.SetPen(kHighlightColour, 1);
    Canvas.Line(0, 0, S, 0);
    Canvas.Line(0, 0, 0, S);
}

void TKelGoPB::DrawGrid() {
    Canvas.SetPen(kClBlack, 1);
    // E is the position of the last line; line ends are exclusive.
    const int E = FLines * FCellSize - FHalfCell - (FCellSize % 2 != 0 ? 1 : 0);
    for (int I = 0; I < FLines; ++I) {
        const int P = I * FCellSize + FHalfCell;
        Canvas.Line(FHalfCell, P, E, P);
        Canvas.Line(P, FHalfCell, P, E);
    }
    // The corner where the last two lines meet, which neither line reaches.
    Canvas.SetPixel(E, E, kClBlack);
}

void TKelGoPB::DrawStarPoint(int32_t Col, int32_t Row) {
    const int CX = (Col - 1) * FCellSize + FHalfCell;
    const int CY = (Row - 1) * FCellSize + FHalfCell;
    Canvas.SetPen(kClBlack, 1);
    if (FCellSize < 20) {
        for (int K = -1; K <= 1; ++K) {
            Canvas.Line(CX - 2 + std::abs(K), CY + K, CX + 3 - std::abs(K), CY + K);
        }
    } else {
        for (int K = -2; K <= 2; ++K) {
            Canvas.Line(CX - 3 + std::abs(K), CY + K, CX + 4 - std::abs(K), CY + K);
        }
    }
}

void TKelGoPB::SetPoint(uint8_t Stone, int32_t Col, int32_t Row, int32_t Value) {
    if (!OnBoard(Col, Row)) return;
    Stones[Row - 1][Col - 1] = Stone;
    Values[Row - 1][Col - 1] = Value;
    DrawCell(Col, Row);
    DrawOverlay(Col, Row);
}

void TKelGoPB::DrawOverlay(int32_t Col, int32_t Row) {
    if (const int32_t M = Marks[Row - 1][Col - 1]; M != 0) {
        DrawCode(Col, Row, M);
    } else if (const int32_t L = Variations[Row - 1][Col - 1]; L != 0) {
        DrawVariation(Col, Row, L);
    } else if (const int32_t V = Values[Row - 1][Col - 1]; V > 0) {
        DrawCode(Col, Row, V);
    }
}

void TKelGoPB::DrawVariation(int32_t Col, int32_t Row, int32_t Letter) {
    if (FLetterSize < 1) return;
    const std::string Text(1, static_cast<char>('a' + Letter - 1));
    const int X0 = (Col - 1) * FCellSize;
    const int Y0 = (Row - 1) * FCellSize;
    const uint8_t Stone = Stones[Row - 1][Col - 1];
    // Lower case, a size under the record's letters and in a colour of their own, so a line of
    // play is never taken for a label of the record.
    Canvas.SetFont("Times New Roman", std::max<int>(FLetterSize - 1, 1), true);
    if (Stone == 0) {
        RestoreCellWood(X0, Y0);
        RestoreHighlight(Col, Row);
    }
    Canvas.SetFontColour(Stone == 1 ? kClWhite : kVariationColour);
    Canvas.SetTransparentText(true);
    const int TW = Canvas.TextWidth(Text);
    const int TH = Canvas.TextHeight(Text);
    Canvas.TextOut(X0 + (FCellSize - TW) / 2, Y0 + (FCellSize - TH) / 2, Text);
}

bool TKelGoPB::HasStoneImages() const {
    for (const TImage* I : {FBlackStoneImage.get(), FWhiteStoneImage.get(), FBlackStoneMask.get(),
                            FWhiteStoneMask.get()}) {
        if (I == nullptr || I->Width() < SourceWidth || I->Height() < SourceWidth) return false;
    }
    return true;
}

void TKelGoPB::DrawCell(int32_t Col, int32_t Row) {
    const uint8_t Stone = Stones[Row - 1][Col - 1];
    const int X0 = (Col - 1) * FCellSize;
    const int Y0 = (Row - 1) * FCellSize;
    if (Stone == 0) {
        DrawEmptyPoint(Col, Row);
    } else if (FCellSize >= kMinImageCell && FCellSize <= kMaxImageCell && HasStoneImages()) {
        DrawStoneImage(Stone, X0, Y0);
    } else {
        const TColour C = Stone == 1 ? kClBlack : kClWhite;
        Canvas.SetBrush(C);
        Canvas.SetPen(C, 1);
        Canvas.Ellipse(X0, Y0, X0 + FCellSize, Y0 + FCellSize);
    }
}

void TKelGoPB::DrawStoneImage(uint8_t Stone, int X0, int Y0) {
    const bool Black = Stone == 1;
    Canvas.SetCopyMode(TCopyMode::And);
    Canvas.CopyRect(X0, Y0, SourceWidth, SourceWidth, Black ? *FBlackStoneMask : *FWhiteStoneMask,
                    0, 0);
    Canvas.SetCopyMode(TCopyMode::Or);
    Canvas.CopyRect(X0, Y0, SourceWidth, SourceWidth, Black ? *FBlackStoneImage : *FWhiteStoneImage,
                    0, 0);
    Canvas.SetCopyMode(TCopyMode::Copy);
}

void TKelGoPB::RestoreCellWood(int X0, int Y0) {
    if (TileWidth <= 0 || TileHeight <= 0) return;
    // The cell's block of the tiled background, wrapping at the tile's edges.
    for (int Y = Y0; Y < Y0 + FCellSize;) {
        const int SY = Y % TileHeight;
        const int H = std::min(Y0 + FCellSize - Y, TileHeight - SY);
        for (int X = X0; X < X0 + FCellSize;) {
            const int SX = X % TileWidth;
            const int W = std::min(X0 + FCellSize - X, TileWidth - SX);
            Canvas.CopyRect(X, Y, W, H, *BaseImage, SX, SY);
            X += W;
        }
        Y += H;
    }
}

void TKelGoPB::DrawEmptyPoint(int32_t Col, int32_t Row) {
    const int X0 = (Col - 1) * FCellSize;
    const int Y0 = (Row - 1) * FCellSize;
    RestoreCellWood(X0, Y0);
    int L = X0;
    int R = X0 + FCellSize;
    int T = Y0;
    int B = Y0 + FCellSize;
    if (Col == 1) L = X0 + FHalfCell;
    // The last line itself is drawn (as the full grid draws it), so the bottom-right corner
    // pixel survives a cell redraw at every cell size.
    if (Col == FLines) R = X0 + FHalfCell + 1;
    if (Row == 1) T = Y0 + FHalfCell;
    if (Row == FLines) B = Y0 + FHalfCell + 1;
    Canvas.SetPen(kClBlack, 1);
    Canvas.Line(L, Y0 + FHalfCell, R, Y0 + FHalfCell);
    Canvas.Line(X0 + FHalfCell, T, X0 + FHalfCell, B);
    if (IsStarPoint(FLines, Col, Row)) DrawStarPoint(Col, Row);
    RestoreHighlight(Col, Row);
}

void TKelGoPB::RestoreHighlight(int32_t Col, int32_t Row) {
    if (Col != 1 && Row != 1) return;
    const int X0 = (Col - 1) * FCellSize;
    const int Y0 = (Row - 1) * FCellSize;
    Canvas.SetPen(kHighlightColour, 1);
    if (Col == 1) Canvas.Line(0, Y0, 0, Y0 + FCellSize);
    if (Row == 1) Canvas.Line(X0, 0, X0 + FCellSize, 0);
}

void TKelGoPB::DrawValue(int32_t Col, int32_t Row, bool Toggle, int32_t Value) {
    if (!OnBoard(Col, Row)) return;
    int32_t& Stored = Values[Row - 1][Col - 1];
    const uint8_t Stone = Stones[Row - 1][Col - 1];
    if (Toggle && Stored > 0) {
        SetPoint(Stone, Col, Row, 0);
        return;
    }
    if (Value <= 0) return;
    Stored = Value;
    // A mark of the record, or a variation letter, covers the value until it goes.
    if (Marks[Row - 1][Col - 1] != 0 || Variations[Row - 1][Col - 1] != 0) return;
    DrawCode(Col, Row, Value);
}

void TKelGoPB::DrawCode(int32_t Col, int32_t Row, int32_t Value) {
    const uint8_t Stone = Stones[Row - 1][Col - 1];
    std::string Text;
    std::string FontName = kNumberFont;
    int Size = 0;
    if (Value <= kValueMaxNumber) {
        Text = std::to_string(Value);
        Size = Value <= 99 ? FNumberSize2 : FNumberSize3;
    } else if (Value == kValueLastMove) {
        DrawTriangle(Col, Row);
        return;
    } else if (Value >= kValueLetterA && Value <= kValueLetterZ) {
        Text = std::string(1, static_cast<char>('A' + (Value - kValueLetterA)));
        Size = FLetterSize;
    } else if (Value >= kValueKoreanFirst && Value <= kValueKoreanLast) {
        Text = kKoreanSyllables[static_cast<size_t>(Value - kValueKoreanFirst)];
        FontName = kKoreanFont;
        Size = FKoreanSize;
    } else if (Value == kValueBlackSquare || Value == kValueWhiteSquare) {
        DrawSquareMarker(Col, Row, Value);
        return;
    } else if (Value >= kValueTriangle && Value <= kValueCross) {
        DrawShape(Col, Row, Value);
        return;
    } else {
        return;  // stored, nothing drawn
    }
    if (Size < 1) return;

    const int X0 = (Col - 1) * FCellSize;
    const int Y0 = (Row - 1) * FCellSize;
    Canvas.SetFont(FontName, Size, FCellSize >= 20);
    TColour Colour = kClBlack;
    if (Stone == 0) {
        // The wood takes the grid lines away from under the text; the board's light edge stays.
        RestoreCellWood(X0, Y0);
        RestoreHighlight(Col, Row);
        Colour = kClNavy;
    } else if (Stone == 1) {
        Colour = kClWhite;
    }
    Canvas.SetFontColour(Colour);
    Canvas.SetTransparentText(true);
    const int TW = Canvas.TextWidth(Text);
    const int TH = Canvas.TextHeight(Text);
    Canvas.TextOut(X0 + (FCellSize - TW) / 2, Y0 + (FCellSize - TH) / 2, Text);
}

void TKelGoPB::DrawTriangle(int32_t Col, int32_t Row) {
    int CX = (Col - 1) * FCellSize + FHalfCell;
    int CY = (Row - 1) * FCellSize + FHalfCell;
    if (FCellSize % 2 == 0) {
        --CX;
        --CY;
    }
    const int T = (FCellSize - 1) / 3;
    if (T < 2) return;
    const uint8_t Stone = Stones[Row - 1][Col - 1];
    Canvas.SetPen(Stone != 0 && Stone != 1 ? kClNavy : kClYellow, 1);
    for (int K = 0; K <= T - 2; ++K) {
        const int Y = CY - T / 2 + K;
        Canvas.Line(CX - K, Y, CX + K + 1, Y);
    }
}

void TKelGoPB::DrawSquareMarker(int32_t Col, int32_t Row, int32_t Value) {
    const int CX = (Col - 1) * FCellSize + FHalfCell;
    const int CY = (Row - 1) * FCellSize + FHalfCell;
    const int R = FHalfCell / 3 - 1;
    Canvas.SetBrush(Value == kValueBlackSquare ? kClBlack : kClWhite);
    Canvas.FillRect(CX - R, CY - R, CX + R, CY + R);
    Canvas.SetPen(kClSilver, 1);
    Canvas.Rectangle(CX - R - 1, CY - R - 1, CX + R + 1, CY + R + 1);
    Canvas.SetPen(kClGray, 1);
    Canvas.Rectangle(CX - R - 2, CY - R - 2, CX + R + 2, CY + R + 2);
}

void TKelGoPB::DrawShape(int32_t Col, int32_t Row, int32_t Value) {
    const int CX = (Col - 1) * FCellSize + FHalfCell;
    const int CY = (Row - 1) * FCellSize + FHalfCell;
    // About a third of the cell from the centre: inside a stone, clear of its edge.
    const int R = FCellSize * 3 / 10;
    if (R < 2) return;
    const uint8_t Stone = Stones[Row - 1][Col - 1];
    // As the labels: white on black, black on white, navy on the wood.
    const TColour Colour = Stone == 0 ? kClNavy : Stone == 1 ? kClWhite : kClBlack;
    Canvas.SetPen(Colour, std::max(1, (FCellSize + 8) / 16));
    Canvas.SetClearBrush();
    switch (Value) {
        case kValueTriangle: {
            // Point up, its centre of gravity on the intersection.
            const int Half = R * 7 / 8;
            const int Base = CY + R / 2;
            Canvas.Line(CX, CY - R, CX + Half, Base);
            Canvas.Line(CX + Half, Base, CX - Half, Base);
            Canvas.Line(CX - Half, Base, CX, CY - R);
            break;
        }
        case kValueSquare: {
            const int S = R * 3 / 4;
            Canvas.Rectangle(CX - S, CY - S, CX + S + 1, CY + S + 1);
            break;
        }
        case kValueCircle:
            Canvas.Ellipse(CX - R, CY - R, CX + R + 1, CY + R + 1);
            break;
        default: {
            const int S = R * 3 / 4;
            Canvas.Line(CX - S, CY - S, CX + S + 1, CY + S + 1);
            Canvas.Line(CX + S, CY - S, CX - S - 1, CY + S + 1);
            break;
        }
    }
}

void TKelGoPB::DrawLabels() {
    Canvas.SetTransparentText(true);
    Canvas.SetFontColour(kClBlack);
    int Size = 9;
    if (FCellSize < 15) {
        Size = 6;
    } else if (FCellSize <= 24) {
        Size = 7;
    } else if (FCellSize <= 29) {
        Size = 8;
    }
    Canvas.SetFont(FCellSize < 20 ? "MS Serif" : "Times New Roman", Size, false);
    for (int I = 0; I < FLines; ++I) {
        std::string RowText = RowLabel(FCoordinates, I + 1, FLines);
        if (RowText.size() == 1) RowText.insert(RowText.begin(), ' ');
        Canvas.TextOut(FBoardSize + 4,
                       I * FCellSize + (FCellSize - Canvas.TextHeight(RowText)) / 2 + 1, RowText);
        const std::string ColText = ColumnLabel(FCoordinates, I + 1);
        Canvas.TextOut(I * FCellSize + (FCellSize - Canvas.TextWidth(ColText)) / 2 + 3,
                       FBoardSize + 6, ColText);
    }
}

void TKelGoPB::LoadPosition(const TStoneGrid& NewStones) {
    Stones = NewStones;
    Values = {};
    Marks = {};
    Variations = {};
    Redraw();
}

void TKelGoPB::LoadValues(const TValueGrid& NewValues) {
    Values = NewValues;
    for (int32_t Row = 1; Row <= FLines; ++Row) {
        for (int32_t Col = 1; Col <= FLines; ++Col) {
            const int32_t V = Values[Row - 1][Col - 1];
            if (V > 0) DrawValue(Col, Row, false, V);
        }
    }
}

void TKelGoPB::ClearValues() {
    Values = {};
    for (int32_t Row = 1; Row <= FLines; ++Row) {
        for (int32_t Col = 1; Col <= FLines; ++Col) {
            const uint8_t S = Stones[Row - 1][Col - 1];
            if (S != 0) SetPoint(S, Col, Row, 0);
        }
    }
}

void TKelGoPB::SetMark(int32_t Col, int32_t Row, int32_t Code) {
    if (!OnBoard(Col, Row)) return;
    Marks[Row - 1][Col - 1] = std::max<int32_t>(Code, 0);
    if (Sized) SetPoint(Stones[Row - 1][Col - 1], Col, Row, Values[Row - 1][Col - 1]);
}

void TKelGoPB::LoadMarks(const TValueGrid& NewMarks) {
    for (int32_t Row = 1; Row <= FLines; ++Row) {
        for (int32_t Col = 1; Col <= FLines; ++Col) {
            const int32_t M = std::max<int32_t>(NewMarks[Row - 1][Col - 1], 0);
            if (M != Marks[Row - 1][Col - 1]) SetMark(Col, Row, M);
        }
    }
}

void TKelGoPB::LoadVariations(const TValueGrid& Letters) {
    for (int32_t Row = 1; Row <= FLines; ++Row) {
        for (int32_t Col = 1; Col <= FLines; ++Col) {
            int32_t L = Letters[Row - 1][Col - 1];
            if (L < 0 || L > kMaxVariationLetters) L = 0;
            if (L == Variations[Row - 1][Col - 1]) continue;
            Variations[Row - 1][Col - 1] = L;
            if (Sized) SetPoint(Stones[Row - 1][Col - 1], Col, Row, Values[Row - 1][Col - 1]);
        }
    }
}

void TKelGoPB::SetCoordinates(TCoordinates Style) {
    if (Style == FCoordinates) return;
    FCoordinates = Style;
    // The old labels go with the margin's background, which only the whole board repaints.
    if (Sized) Redraw();
}

void TKelGoPB::MouseDown(TMouseButton Button, uint32_t Shift, int X, int Y) {
    // An unsized painter (cell size 0) has no board to click on.
    if (FCellSize <= 0) return;
    const int32_t Col = X / FCellSize + 1;
    const int32_t Row = Y / FCellSize + 1;
    if (OnPointClick) OnPointClick(*this, Button, Shift, Col, Row);
}

}  // namespace xvexo
