#pragma once
// The board painter: draws a board of 2 to 19 lines (19 unless told otherwise), its stones and
// the marks on its points onto a paint box, and turns mouse presses on it into board
// coordinates. It keeps its own copy of every point (stone, value code and the record's mark),
// so it can repaint the whole board without asking the engine.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "display/canvas.h"

namespace xvexo {

// The most lines a board has, and the fewest.
constexpr int kBoardLines = 19;
constexpr int kMinBoardLines = 2;

// Value codes shown on a point.
constexpr int32_t kValueMaxNumber = 500;
constexpr int32_t kValueLastMove = 501;
constexpr int32_t kValueLetterA = 600;
constexpr int32_t kValueLetterZ = 625;
constexpr int32_t kValueKoreanFirst = 630;
constexpr int32_t kValueKoreanLast = 643;
constexpr int32_t kValueBlackSquare = 650;
constexpr int32_t kValueWhiteSquare = 651;
// The shapes a record marks points with: an outlined triangle, square, circle and a cross.
constexpr int32_t kValueTriangle = 660;
constexpr int32_t kValueSquare = 661;
constexpr int32_t kValueCircle = 662;
constexpr int32_t kValueCross = 663;

// Stone images exist for cell sizes 10..59; other sizes draw circles.
constexpr int kMinImageCell = 10;
constexpr int kMaxImageCell = 59;

enum class TMouseButton { Left, Right, Middle };

// How the labels in the margin name the lines: as designed (columns A..S with I, row 1 at the
// top), standard (columns A..T without I, rows counted from the bottom, as players write D4
// and R16), or no labels at all (the margin stays, empty).
enum class TCoordinates : uint8_t { Designed, Standard, None };

// The label of column Col (1..19) and of row Row (1..Lines) under Style; empty for None.
std::string ColumnLabel(TCoordinates Style, int32_t Col);
std::string RowLabel(TCoordinates Style, int32_t Row, int32_t Lines);

// The first moves of other lines of play are lettered a, b, c … on their points: a value of
// 1..kMaxVariationLetters on the painter's variation layer.
constexpr int32_t kMaxVariationLetters = 26;
constexpr TColour kVariationColour = Rgb(178, 34, 34);
// Shift state bits of a mouse press.
enum TShiftFlags : uint32_t { kShiftKey = 1, kAltKey = 2, kCtrlKey = 4 };

constexpr TColour kHighlightColour = Rgb(251, 218, 162);

class TKelGoPB;
using TPointClickEvent = std::function<void(TKelGoPB& Sender, TMouseButton Button, uint32_t Shift,
                                            int32_t Col, int32_t Row)>;

class TKelGoPB {
  public:
    using TStoneGrid = std::array<std::array<uint8_t, kBoardLines>, kBoardLines>;
    using TValueGrid = std::array<std::array<int32_t, kBoardLines>, kBoardLines>;

    // Binds the painter to the paint box. The base (wood tile) and edge pictures are shared and
    // must outlive the painter. The owner routes the box's repaint requests to Paint and its
    // mouse presses to MouseDown.
    TKelGoPB(TPaintBox& Box, const TImage& Base, const TImage& Edge);

    TKelGoPB(const TKelGoPB&) = delete;
    TKelGoPB& operator=(const TKelGoPB&) = delete;

    // P pixels for the board's cells: the cell size is P div Lines().
    void SetBoardSize(int32_t P);
    // The number of lines, 2..19 (others are clamped). A new number clears every point and
    // mark and leaves the painter unsized: the owner sizes it again (SetBoardSize always takes
    // effect then), which repaints it.
    void SetLines(int32_t N);
    // Replaces the edge picture and stores the label colour; nothing is repainted.
    void SetEdgeImage(const TImage& Edge, TColour LabelColour);
    void SetPoint(uint8_t Stone, int32_t Col, int32_t Row, int32_t Value);
    void DrawValue(int32_t Col, int32_t Row, bool Toggle, int32_t Value);
    void Redraw();
    // Replaces all stones, clears every value code and mark, and repaints everything.
    void LoadPosition(const TStoneGrid& Stones);
    void LoadValues(const TValueGrid& Values);
    void ClearValues();

    // The record's marks on the position shown: a label (1..500, 600..625, 630..643) or a shape
    // (660..663) per point, 0 for none. A mark is drawn over the point's stone in place of its
    // value code, which stays stored and shows again once the mark is gone. SetMark redraws the
    // point; LoadMarks replaces every mark and redraws the points whose mark changed.
    void SetMark(int32_t Col, int32_t Row, int32_t Code);
    void LoadMarks(const TValueGrid& NewMarks);
    void ClearMarks() { LoadMarks({}); }

    // The letters of other lines of play on the position shown: 1..26 (a..z) per point, 0 for
    // none; others read as none. A letter shows on its point unless the record marks the point
    // (the mark wins) and hides the value code there while it stays. Redraws the points whose
    // letter changed.
    void LoadVariations(const TValueGrid& Letters);
    void ClearVariations() { LoadVariations({}); }
    int32_t Variation(int32_t Col, int32_t Row) const {
        return OnBoard(Col, Row) ? Variations[Row - 1][Col - 1] : 0;
    }

    // How the margin labels the lines; a change repaints the labels.
    void SetCoordinates(TCoordinates Style);
    TCoordinates Coordinates() const { return FCoordinates; }

    // Repaint request of the paint box.
    void Paint() { Redraw(); }
    // Mouse press at pixel (X, Y) of the paint box: raises OnPointClick with the point under
    // it. No range check: the label margin gives 20 or 21.
    void MouseDown(TMouseButton Button, uint32_t Shift, int X, int Y);

    // Installs a new stone image set (the image-set chooser loads it). The painter owns them.
    void SetStoneImages(std::unique_ptr<TImage> BlackStone, std::unique_ptr<TImage> WhiteStone,
                        std::unique_ptr<TImage> BlackMask, std::unique_ptr<TImage> WhiteMask);

    // True once a SetBoardSize has taken effect.
    bool IsSized() const { return Sized; }
    int32_t BoardSize() const { return FBoardSize; }
    int32_t Lines() const { return FLines; }
    int32_t CellSize() const { return FCellSize; }
    int32_t HalfCell() const { return FHalfCell; }
    int32_t LabelMargin() const { return FLabelMargin; }
    // A new margin leaves a sized painter unsized: the owner sizes it again, which repaints it.
    void SetLabelMargin(int32_t M) {
        if (M != FLabelMargin) Sized = false;
        FLabelMargin = M;
    }
    // Sets BoardSize without any drawing (the reference window starts at 100).
    void SetInitialBoardSize(int32_t P) { FBoardSize = P; }
    uint8_t NumberSize3() const { return FNumberSize3; }
    uint8_t NumberSize2() const { return FNumberSize2; }
    uint8_t LetterSize() const { return FLetterSize; }
    uint8_t KoreanSize() const { return FKoreanSize; }
    TColour LabelColour() const { return FLabelColour; }
    // What a point holds; 0 off the board.
    uint8_t Stone(int32_t Col, int32_t Row) const {
        return OnBoard(Col, Row) ? Stones[Row - 1][Col - 1] : 0;
    }
    int32_t Value(int32_t Col, int32_t Row) const {
        return OnBoard(Col, Row) ? Values[Row - 1][Col - 1] : 0;
    }
    int32_t Mark(int32_t Col, int32_t Row) const {
        return OnBoard(Col, Row) ? Marks[Row - 1][Col - 1] : 0;
    }
    const TImage* BlackStoneImage() const { return FBlackStoneImage.get(); }
    const TImage* WhiteStoneImage() const { return FWhiteStoneImage.get(); }
    const TImage* BlackStoneMask() const { return FBlackStoneMask.get(); }
    const TImage* WhiteStoneMask() const { return FWhiteStoneMask.get(); }

    TPointClickEvent OnPointClick;

  private:
    bool OnBoard(int32_t Col, int32_t Row) const {
        return Col >= 1 && Col <= FLines && Row >= 1 && Row <= FLines;
    }
    uint8_t FitFontSize(const std::string& FontName, const std::string& Sample, bool ByHeight);
    void FitFonts();
    void PaintBackground();
    void DrawGrid();
    void DrawStarPoint(int32_t Col, int32_t Row);
    void DrawCell(int32_t Col, int32_t Row);
    bool HasStoneImages() const;
    void DrawStoneImage(uint8_t Stone, int X0, int Y0);
    void DrawEmptyPoint(int32_t Col, int32_t Row);
    void RestoreCellWood(int X0, int Y0);
    void RestoreHighlight(int32_t Col, int32_t Row);
    void DrawTriangle(int32_t Col, int32_t Row);
    void DrawSquareMarker(int32_t Col, int32_t Row, int32_t Value);
    // Draws what code Value shows on the point (a number, a letter, a mark, a shape) over the
    // cell as it stands.
    void DrawCode(int32_t Col, int32_t Row, int32_t Value);
    void DrawShape(int32_t Col, int32_t Row, int32_t Value);
    void DrawLabels();
    // What the point shows over its cell: the record's mark, else a variation letter, else its
    // value code.
    void DrawOverlay(int32_t Col, int32_t Row);
    void DrawVariation(int32_t Col, int32_t Row, int32_t Letter);

    // The F-prefixed fields hold what the queries of the same name return.
    int32_t TileWidth;
    int32_t TileHeight;
    const TImage* BaseImage;
    const TImage* EdgeImage;
    TCanvas& Canvas;
    uint8_t FNumberSize3 = 0;
    uint8_t FNumberSize2 = 0;
    uint8_t FLetterSize = 0;
    uint8_t FKoreanSize = 0;
    int32_t FHalfCell = 0;
    TColour FLabelColour = Rgb(68, 68, 68);
    int32_t SourceWidth = 0;  // the source rectangle (0, 0, CellSize, CellSize)
    bool Painting = false;
    TValueGrid Values{};
    TValueGrid Marks{};
    TValueGrid Variations{};
    TCoordinates FCoordinates = TCoordinates::Designed;
    int32_t FLines = kBoardLines;
    int32_t FCellSize = 0;
    int32_t FBoardSize = 190;
    int32_t FLabelMargin = 20;
    TStoneGrid Stones{};
    std::unique_ptr<TImage> FBlackStoneImage;
    std::unique_ptr<TImage> FWhiteStoneImage;
    std::unique_ptr<TImage> FBlackStoneMask;
    std::unique_ptr<TImage> FWhiteStoneMask;
    TPaintBox& Box;
    bool Sized = false;
};

}  // namespace xvexo
