#include "printing/page_layout.h"

#include <algorithm>

#include "printing/diagram_renderer.h"

namespace xvexo {

namespace {

// Single-diagram page: the gap between the title block and the diagram.
constexpr int kDiagramGap = 50;
// Split pages: where the boards go below the top margin, and their cell sizes.
constexpr int kOnePerPageTop = 800;
constexpr int kTwoPerPageCell = 115;
constexpr int kTwoPerPageTop = 300;
constexpr int kTwoPerPageLowerTop = 200;
constexpr int kFourPerPageCell = 105;
constexpr int kFourPerPageTop = 400;
constexpr int kFourPerPageLowerTop = 300;
constexpr int kFourPerPageBlock = 4620;  // the two columns, 44 cells of 105
constexpr int kFourPerPageLeft = 262;    // left board within the block
constexpr int kFourPerPageRight = 2467;  // right board within the block
// Note rows of split diagrams, 4 a page: three quarters of 105, to the nearest dot.
constexpr int kFourPerPageNoteCell = 79;

constexpr int kMaxLayoutValue = 1000000;

// The room of note rows from (X, Y) in cells of NoteCell, up to Right and Bottom.
TNoteRoom RoomFor(int Designed, int Lines, const TDiagramPlace& P, int Right, int Bottom) {
    const int C = std::max(P.NoteCell, 1);  // the renderer draws cells of at least 1 dot
    TNoteRoom Room;
    Room.Width = std::min(DesignedNoteRow(Designed, Lines), std::max(Right - P.NotesX, 0) / C);
    Room.Rows = Room.Width > 0 ? std::clamp((Bottom - P.NotesY) / C, 0, LDispGGrid::Rows) : 0;
    Room.Width = std::max(Room.Width, 1);
    return Room;
}

}  // namespace

int DesignedNoteRow(int Designed, int Lines) {
    const int Row = Designed * std::clamp(Lines, 1, kPrintBoardLines) / kPrintBoardLines;
    return std::clamp(Row, std::min(kMinNoteRow, Designed), Designed);
}

int LayoutMargin(int32_t V) {
    return std::clamp(V, -kMaxLayoutValue, kMaxLayoutValue);
}

int LayoutCell(int32_t V) {
    return std::clamp(V, 1, kMaxPrintCell);
}

TDiagramPlace SingleDiagramPlace(const TPrintJobValues& Values, int Lines, int BlockHeight) {
    const int T = LayoutMargin(Values.TopMargin);
    const int L = LayoutMargin(Values.LeftMargin);
    const int W = LayoutMargin(Values.PageWidth);
    const int H = LayoutMargin(Values.PageHeight);
    const int G = LayoutCell(Values.GridSize);
    TDiagramPlace P;
    P.Cell = G;
    // Centres the board's cells between the margins.
    P.BoardX = L + (W - (2 * L + Lines * G)) / 2;
    P.BoardY = T + kTitleOffset + LayoutMargin(BlockHeight) + kDiagramGap;
    P.NoteCell = 2 * G / 3;
    P.NotesX = P.BoardX + G / 2;
    P.NotesY = P.BoardY + Lines * G + 2 * G / 3;
    P.Room = RoomFor(kWideNoteRow, Lines, P, W, H);
    return P;
}

std::array<TDiagramPlace, 4> SplitDiagramPlaces(const TPrintJobValues& Values, int PerPage,
                                                int Lines, int CaptionHeight) {
    const int T = LayoutMargin(Values.TopMargin);
    const int L = LayoutMargin(Values.LeftMargin);
    const int W = LayoutMargin(Values.PageWidth);
    const int H = LayoutMargin(Values.PageHeight);
    std::array<TDiagramPlace, 4> P{};
    // Slots 1 and 2 of 4 a page, slot 1 of 2, lie above the diagram of slot + Below.
    int Count = 1;
    int Below = 0;
    int Designed = kNarrowNoteRow;
    if (PerPage == 1) {
        const int G = LayoutCell(Values.GridSize);
        P[0].Cell = G;
        P[0].BoardX = L + (W - (2 * L + Lines * G)) / 2 + G / 2;
        P[0].BoardY = T + kOnePerPageTop;
        P[0].CaptionX = P[0].BoardX - G / 2;
        P[0].CaptionY = P[0].BoardY - G / 2;
        P[0].NoteCell = 3 * G / 4;
        Designed = kWideNoteRow;
    } else if (PerPage == 2) {
        const int G = kTwoPerPageCell;
        const int X0 = L + (W - (2 * L + Lines * G)) / 2 + G / 2;
        P[0].BoardX = P[1].BoardX = X0;
        P[0].BoardY = T + kTwoPerPageTop;
        P[1].BoardY = T + (H - 2 * T) / 2 + kTwoPerPageLowerTop;
        for (TDiagramPlace& D : P) {
            D.Cell = G;
            D.NoteCell = 3 * G / 4;
        }
        Count = 2;
        Below = 1;
    } else {
        const int XB = (W - kFourPerPageBlock) / 2;
        const int Y1 = T + kFourPerPageTop;
        const int Y2 = T + (H - 2 * T) / 2 + kFourPerPageLowerTop;
        const int XL = XB + kFourPerPageLeft;
        const int XR = XB + kFourPerPageRight;
        for (int K = 0; K < 4; ++K) {
            TDiagramPlace& D = P[K];
            D.BoardX = K % 2 == 0 ? XL : XR;
            D.BoardY = K < 2 ? Y1 : Y2;
            D.Cell = kFourPerPageCell;
            D.NoteCell = kFourPerPageNoteCell;
        }
        Count = 4;
        Below = 2;
    }
    for (int K = 0; K < Count; ++K) {
        TDiagramPlace& D = P[K];
        if (Count > 1) {
            D.CaptionX = D.BoardX + D.Cell / 2;
            D.CaptionY = D.BoardY - D.Cell / 2;
        }
        D.NotesX = D.BoardX + D.Cell / 2;
        D.NotesY = D.BoardY + Lines * D.Cell + D.NoteCell;
    }
    for (int K = 0; K < Count; ++K) {
        TDiagramPlace& D = P[K];
        const bool Upper = K + Below < Count && Below > 0;
        const int Bottom = Upper ? P[K + Below].CaptionY - std::max(CaptionHeight, 0) : H;
        // The left column of 4 a page ends where the right one begins.
        const int Right = Count == 4 && K % 2 == 0 ? P[K + 1].BoardX : W;
        D.Room = RoomFor(Designed, Lines, D, Right, Bottom);
    }
    return P;
}

}  // namespace xvexo
