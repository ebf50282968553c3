#pragma once
// The print command and the layout of the printed pages: one page holding one diagram of the
// whole record or a range, with title and game information, or a series of pages with diagrams
// of N moves, 1, 2 or 4 a page, with captions. Every page has black rules with a header (range,
// date and time, heading) and a footer. All positions are printer dots.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "printing/diagram_builder.h"
#include "printing/diagram_renderer.h"
#include "printing/game_print_info.h"
#include "printing/print_dialog_model.h"
#include "printing/print_font.h"
#include "printing/print_surface.h"
#include "rules/position.h"

namespace xvexo {

inline constexpr const char* kPrintJobTitle = "talvogo Vexo";
// The operator's web address, printed in the footer after "Talvo围棋. ".
inline constexpr const char* kFooterAddress = "www.talvo.example";
inline constexpr const char* kCaptionFontName = "Times New Roman";

// Kinds of page frame: the header names the whole record (1 or more), a part of it (0), or no
// range (negative).
constexpr int kFrameWhole = 1;
constexpr int kFramePartial = 0;
constexpr int kFrameNone = -1;

// Rules, header texts and footer of a page with top margin T and left margin L.
void DrawPageFrame(PrintSurface& Surface, int T, int L, int Kind, int32_t LastMove,
                   int32_t FirstMove, const std::string& Heading,
                   const std::string& FontName = kPrintFontName);

// Title and five lines of game information at (Left, Top); returns the height of the block.
int DrawGameInfo(PrintSurface& Surface, int Top, int Left, const LFontDesc& TitleFont,
                 const LFontDesc& InfoFont, const TGamePInfo& Info);

// "[部分谱 : F 手 ~ L 手]" at (X, Y) in the selected font and alignment, L the smaller of
// LastMove and TotalMoves.
void DrawDiagramCaption(PrintSurface& Surface, int Y, int X, int32_t TotalMoves, int32_t LastMove,
                        int32_t FirstMove);

// The moves per diagram and diagrams per page a split job uses: a count below 1 counts as 1,
// a page choice outside 0..2 as 4 a page.
int32_t SplitMovesPerDiagram(const TPrintJobValues& Values);
int SplitDiagramsPerPage(const TPrintJobValues& Values);

// One print job on a surface, with the values the dialog confirmed.
class TPrintJob {
  public:
    TPrintJob(PrintSurface& Surface, const TPrintJobValues& Values, const TGamePInfo& Info,
              std::string FontName = kPrintFontName);

    // Names the job "talvogo Vexo" and starts the document.
    void BeginPrintJob();
    void NewPrintPage();
    void EndPrintJob();

    // The single-diagram page, a document of its own: frame, title and information, the
    // diagram centred across the page and its note rows.
    void PrintDiagramPage(const LDispGGrid& BoardGrid, const LDispGGrid& NotesGrid);
    // One page of a split job: frame, then captions, boards and note rows of the slots that
    // hold a diagram, PerPage (1, 2 or 4) a page. FirstMove is the first move of the page.
    void PrintSplitPage(int PerPage, int32_t FirstMove, const std::array<DiagramSlot, 4>& Slots,
                        int32_t MovesPerDiagram);

    PrintSurface& Surface;
    const TPrintJobValues Values;
    const TGamePInfo Info;
    const std::string PrintFontName;
    // The range the last page printed was given.
    int32_t RangeStart = 0;
    int32_t RangeEnd = 0;
};

// Called before each page of a split job with the page's index (from 0) and the number of
// pages; returning false ends the job after the pages printed so far.
using TPageProgress = std::function<bool(int Page, int Pages)>;

// What a job printed.
struct TPrintOutcome {
    int Pages = 0;           // pages drawn; 0: the document has no page
    int Omitted = 0;         // moves on occupied points whose notes found no room
    bool Cancelled = false;  // the progress ended a split job early
};

// The pages the job of Values prints: one for the whole record or a range; for a split job
// one per P diagrams of N moves of the total (none for a record of no moves).
int JobPageCount(const TPrintJobValues& Values);

// The whole record (1..total) or the range of the dialog as one diagram on one page.
TPrintOutcome PrintSingleDiagram(TPrintJob& Job, const TMoveCoords& Moves,
                                 const TDiagramStart& Start);
// The record split into diagrams of N moves, P a page. A record of no moves gives a document
// without a page.
TPrintOutcome PrintSplitDiagrams(TPrintJob& Job, const TMoveCoords& Moves,
                                 const TDiagramStart& Start, const TPageProgress& Progress = {});

// The first steps of the print command: the dialog for the record (Moves.Count moves, the
// history up to its last move), showing the printable size of Surface, shown through
// ShowModal, which returns once the dialog is closed. Returns whether it was confirmed.
bool OpenPrintDialog(TOwnkFormModel& Dialog, const PrintSurface& Surface, const TMoveCoords& Moves,
                     const TGamePInfo& Info, const std::function<void(TOwnkFormModel&)>& ShowModal);
// The job the confirmed Dialog chose, on Surface: split, or one diagram.
TPrintOutcome PrintChosenJob(const TOwnkFormModel& Dialog, PrintSurface& Surface,
                             const TMoveCoords& Moves, const TDiagramStart& Start,
                             const TPageProgress& Progress = {});

// The print command: OpenPrintDialog, then on OK PrintChosenJob. Returns whether the dialog
// was confirmed.
bool PrintRecord(TOwnkFormModel& Dialog, PrintSurface& Surface, const TMoveCoords& Moves,
                 const TDiagramStart& Start, const TGamePInfo& Info,
                 const std::function<void(TOwnkFormModel&)>& ShowModal,
                 const TPageProgress& Progress = {});

}  // namespace xvexo
