// Everything a print job draws lies on the page, for every board size, every way of printing
// and the pages a printer offers: the notes under a diagram wrap to the board's width, stop
// where the page or the diagram below begins, and what finds no room is counted, never lost.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "printing/page_layout.h"
#include "printing/printed_pages.h"
#include "support/memory_registry.h"
#include "support/print_fixtures.h"
#include "support/recording_surface.h"

namespace xvexo {
namespace {

using testing::TRecordedPage;
using testing::TRecordedText;
using testing::TRecordingSurface;

struct TPaper {
    const char* Name;
    int Width, Height;  // the printable area at 600 dots per inch
};

// The PDF papers of `xvexo print` and the viewer, and the same sheets with the unprintable edges
// a laser printer reports.
constexpr TPaper kPapers[] = {{"A4", 4958, 7016},
                              {"Letter", 5100, 6600},
                              {"A4 printer", 4761, 6816},
                              {"Letter printer", 4800, 6300}};

enum class TMode { Whole, Range, SplitOne, SplitTwo, SplitFour };
constexpr TMode kModes[] = {TMode::Whole, TMode::Range, TMode::SplitOne, TMode::SplitTwo,
                            TMode::SplitFour};

const char* ModeName(TMode M) {
    switch (M) {
        case TMode::Whole:
            return "whole";
        case TMode::Range:
            return "range";
        case TMode::SplitOne:
            return "split 1";
        case TMode::SplitTwo:
            return "split 2";
        case TMode::SplitFour:
            break;
    }
    return "split 4";
}

// A box around a text as the recording surface would set it: its cell height, a full cell of
// width for a character past ASCII, and the font's width (or 0.6 of a cell) for others.
TPrintRect TextBox(const TRecordedText& T) {
    const int Cell = testing::FakeCellHeight(T.Font);
    const int Narrow = T.Font.Width > 0 ? T.Font.Width : Cell * 6 / 10;
    int Width = 0;
    for (const unsigned char C : T.Text) {
        if (C < 0x80) {
            Width += Narrow;
        } else if (C >= 0xC0) {
            Width += Cell;  // the first byte of a character past ASCII
        }
    }
    const int Left = T.Horz == THorzAlign::Left     ? T.X
                     : T.Horz == THorzAlign::Center ? T.X - Width / 2
                                                    : T.X - Width;
    const int Top = T.Vert == TVertAlign::Top ? T.Y : T.Y - Cell;
    return {Left, Top, Left + Width, Top + Cell};
}

bool Inside(const TPrintRect& R, int Width, int Height) {
    return R.Left >= 0 && R.Top >= 0 && R.Right <= Width && R.Bottom <= Height;
}

bool Overlap(const TPrintRect& A, const TPrintRect& B) {
    return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

// The print command on one record, through the dialog as a user fills it in.
struct TJob {
    testing::TMemoryRegistry Registry;
    TPrintOptions Options;
    TKelStatus Status{Registry, Options};
    TOwnkFormModel Dialog{Status};
    TRecordingSurface Surface;
    TPrintOutcome Outcome;

    TJob(const TPaper& Paper, TMode Mode, bool WidestCell, const TMoveCoords& Moves,
         const TDiagramStart& Start) {
        Surface.Width = Paper.Width;
        Surface.Height = Paper.Height;
        const bool Confirmed =
            OpenPrintDialog(Dialog, Surface, Moves, testing::PageInfo(), [&](TOwnkFormModel& D) {
                if (WidestCell) {
                    // The narrowest left margin and the widest cell the dialog takes.
                    D.edLMar.Text = "200";
                    D.edGrid.Text = "9999";
                    D.EditExit();
                }
                switch (Mode) {
                    case TMode::Whole:
                        D.ClickTotal();
                        break;
                    case TMode::Range:
                        D.ClickRange();
                        D.edSPos.Text = std::to_string(Moves.Count / 3);
                        D.edSPosExit();
                        break;
                    default:
                        D.ClickSplit();
                        D.edDNum.Text = "100";
                        D.edDNumExit();
                        D.cbNDiv.ItemIndex = Mode == TMode::SplitOne   ? 0
                                             : Mode == TMode::SplitTwo ? 1
                                                                       : 2;
                }
                D.OkBtnClick();
            });
        EXPECT_TRUE(Confirmed);
        Outcome = PrintChosenJob(Dialog, Surface, Moves, Start);
    }
};

// The moves of Moves in First..Last that are played on the board (no passes).
int PlayedMoves(const TMoveCoords& Moves, int Lines, int32_t First, int32_t Last) {
    int N = 0;
    for (int32_t I = std::max(First, 1); I <= std::min(Last, Moves.Count); ++I) {
        const auto& C = Moves.Coords[I - 1];
        N += C[0] >= 1 && C[0] <= Lines && C[1] >= 1 && C[1] <= Lines ? 1 : 0;
    }
    return N;
}

// Checks every page of Job: each fill, stone and text inside the page, no caption drawn over,
// and each move of the range printed (as a number on the board or in the notes) or counted as
// left out.
void CheckJob(const TJob& Job, const TMoveCoords& Moves, int Lines, const std::string& Case) {
    const int W = Job.Surface.Width;
    const int H = Job.Surface.Height;
    ASSERT_FALSE(Job.Surface.Pages.empty()) << Case;
    std::set<int> Numbers;
    for (size_t Page = 0; Page < Job.Surface.Pages.size(); ++Page) {
        const TRecordedPage& P = Job.Surface.Pages[Page];
        const std::string Where = Case + ", page " + std::to_string(Page + 1);
        std::vector<TPrintRect> Drawn;
        for (const auto& F : P.Fills)
            Drawn.push_back(F.Rect);
        for (const auto& E : P.Ellipses)
            Drawn.push_back(E.Bounds);
        for (const TPrintRect& R : Drawn) {
            EXPECT_TRUE(Inside(R, W, H)) << Where << ": " << testing::Describe(R);
        }
        for (const TRecordedText& T : P.Texts) {
            EXPECT_TRUE(Inside(TextBox(T), W, H))
                << Where << ": \"" << T.Text << "\" at " << testing::Describe(TextBox(T));
            if (T.Font.Face == kCaptionFontName) {
                for (const TPrintRect& R : Drawn) {
                    EXPECT_FALSE(Overlap(TextBox(T), R))
                        << Where << ": \"" << T.Text << "\" under " << testing::Describe(R);
                }
            }
            if (T.Font.Bold) Numbers.insert(std::stoi(T.Text));
        }
    }
    const TPrintJobValues V = Job.Dialog.JobValues();
    const int32_t First = V.RangeSelected ? V.RangeStart : 1;
    const int32_t Last = V.RangeSelected ? V.RangeEnd : V.TotalMoves;
    EXPECT_TRUE(Numbers.empty() || (*Numbers.begin() >= First && *Numbers.rbegin() <= Last))
        << Case;
    EXPECT_EQ(static_cast<int>(Numbers.size()) + Job.Outcome.Omitted,
              PlayedMoves(Moves, Lines, First, Last))
        << Case;
}

// Every board size on every paper, printed whole, a range, and split 1, 2 and 4 a page, with
// the dialog's default cell and with the widest it takes. The records: a game of each size as
// standard SGF is printed, and a 19-line record of the tag format whose notes overflow.
TEST(PrintBounds, EverythingPrintedLiesOnThePage) {
    struct TRecord {
        std::string Name;
        int Lines;
        const TMoveCoords* Moves;
        TDiagramStart Start;
    };
    std::vector<testing::TSizedGame> Games;
    for (int Lines = 2; Lines <= 19; ++Lines)
        Games.push_back(testing::RandomGameOn(Lines, 400, 7 + Lines));
    std::vector<TRecord> Records;
    for (const testing::TSizedGame& G : Games) {
        Records.push_back({std::to_string(G.Game->Size) + " lines", G.Game->Size, &G.Moves,
                           TDiagramStart(*G.Game)});
    }
    const TMoveCoords Dense = testing::ReplayedPoints(60, 4);
    Records.push_back({"tag format", 19, &Dense, TDiagramStart(0)});

    int Omitted = 0;
    for (const TRecord& R : Records) {
        ASSERT_GT(R.Moves->Count, 20) << R.Name;
        for (const TPaper& Paper : kPapers) {
            for (const TMode Mode : kModes) {
                for (const bool Widest : {false, true}) {
                    const TJob Job(Paper, Mode, Widest, *R.Moves, R.Start);
                    CheckJob(Job, *R.Moves, R.Lines,
                             R.Name + ", " + Paper.Name + ", " + ModeName(Mode) +
                                 (Widest ? ", widest cell" : ""));
                    Omitted += Job.Outcome.Omitted;
                }
            }
        }
    }
    // The notes did run out of room somewhere: the grid shows where they go then.
    EXPECT_GT(Omitted, 0);
}

// A note row is as wide as the designed row of a 19-line board scaled to the board's lines;
// 19-line boards keep 28 and 25 on the papers offered, at the dialog's default cell.
TEST(PrintBounds, NoteRowsFollowTheBoardsWidth) {
    struct TCase {
        int Designed, Lines, Row;
    };
    for (const TCase& C : {TCase{28, 19, 28}, TCase{25, 19, 25}, TCase{28, 13, 19},
                           TCase{28, 9, 13}, TCase{25, 9, 11}, TCase{28, 5, 7}, TCase{28, 2, 4},
                           TCase{25, 3, 4}, TCase{28, 0, 4}, TCase{28, 40, 28}}) {
        EXPECT_EQ(DesignedNoteRow(C.Designed, C.Lines), C.Row) << C.Designed << " " << C.Lines;
    }
    for (const TPaper& Paper : {kPapers[0], kPapers[1]}) {
        TPrintJobValues V;
        V.PageWidth = Paper.Width;
        V.PageHeight = Paper.Height;
        EXPECT_EQ(SingleDiagramPlace(V, 19, 1232).Room.Width, 28) << Paper.Name;
        EXPECT_EQ(SplitDiagramPlaces(V, 1, 19, 100)[0].Room.Width, 28) << Paper.Name;
        for (const int PerPage : {2, 4}) {
            for (int K = 0; K < PerPage; ++K)
                EXPECT_EQ(SplitDiagramPlaces(V, PerPage, 19, 100)[K].Room.Width, 25) << Paper.Name;
        }
        EXPECT_EQ(SingleDiagramPlace(V, 9, 1232).Room.Width, 13) << Paper.Name;
        EXPECT_EQ(SplitDiagramPlaces(V, 4, 13, 100)[3].Room.Width, 17) << Paper.Name;
    }
}

}  // namespace
}  // namespace xvexo
