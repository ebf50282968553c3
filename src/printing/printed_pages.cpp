#include "printing/printed_pages.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>
#include <tuple>
#include <utility>

#include "printing/diagram_renderer.h"
#include "printing/page_layout.h"
#include "printing/print_option.h"

namespace xvexo {

namespace {

// Rules and header: gap added to half the header font's height.
constexpr int kHeaderGap = 10;
// Point sizes.
constexpr int kTitlePoints = 20;
constexpr int kInfoPoints = 12;
constexpr int kHeaderPoints = 10;
constexpr std::array<int, 3> kCaptionPoints = {14, 11, 10};

int32_t Clamp32(int64_t V) {
    return static_cast<int32_t>(std::clamp<int64_t>(V, INT32_MIN, INT32_MAX));
}

std::string Range(int32_t First, int32_t Last) {
    return std::to_string(First) + " ~ " + std::to_string(Last);
}

int CaptionFontIndex(int PerPage) {
    return PerPage == 1 ? 0 : PerPage == 2 ? 1 : 2;
}

TPrintFont CaptionFont(const PrintSurface& Surface, int PerPage) {
    return CreatePrintFont(LFontDesc(kCaptionFontName, kCaptionPoints[CaptionFontIndex(PerPage)]),
                           Surface);
}

// The height of a caption text in the selected font.
int CaptionHeight(PrintSurface& Surface) {
    return Surface.TextHeight("[0]");
}

// The height of the title block of a single-diagram page in the fonts Title and Lines.
int GameInfoHeight(const TPrintFont& Title, const TPrintFont& Lines) {
    const int T = std::abs(Title.Height);
    const int I = std::abs(Lines.Height);
    return 2 * T + 6 * (I + I / 2);
}

}  // namespace

void DrawPageFrame(PrintSurface& Surface, int T, int L, int Kind, int32_t LastMove,
                   int32_t FirstMove, const std::string& Heading, const std::string& FontName) {
    const std::string DateTime = Surface.ShortDateText() + "   " + Surface.LongTimeText();
    std::string RangeText;
    if (Kind >= kFrameWhole) {
        RangeText = "总谱 : " + Range(FirstMove, LastMove);
    } else if (Kind == kFramePartial) {
        RangeText = "部分谱 : " + Range(FirstMove, LastMove);
    }
    const TPrintFont Font = CreatePrintFont(LFontDesc(FontName, kHeaderPoints, fsItalic), Surface);
    Surface.SelectFont(Font);
    Surface.SetTextColour(kPrintBlack);
    const int F = std::abs(Font.Height);
    const int B = F / 4;
    const int W = Surface.PrintableWidth();
    const int H = Surface.PrintableHeight();
    Surface.FillRect({L / 2, T - B, W - L / 2, T}, kPrintBlack);
    Surface.FillRect({L / 2, H - T, W - L / 2, H - T + B}, kPrintBlack);
    const int D = F / 2 + kHeaderGap;
    if (!RangeText.empty()) {
        Surface.SetTextAlign(THorzAlign::Left, TVertAlign::Bottom);
        Surface.TextOut(L / 2, T - D, RangeText);
    }
    Surface.SetTextAlign(THorzAlign::Right, TVertAlign::Bottom);
    Surface.TextOut(W - L / 2, T - D, DateTime + "   " + Heading);
    Surface.SetTextAlign(THorzAlign::Right, TVertAlign::Top);
    Surface.TextOut(W - L / 2, H - T + D, std::string("Talvo围棋. ") + kFooterAddress);
}

int DrawGameInfo(PrintSurface& Surface, int Top, int Left, const LFontDesc& TitleFont,
                 const LFontDesc& InfoFont, const TGamePInfo& Info) {
    const TPrintFont Title = CreatePrintFont(TitleFont, Surface);
    const TPrintFont Lines = CreatePrintFont(InfoFont, Surface);
    Surface.SetTextColour(kPrintBlack);
    Surface.SetTransparentText(true);
    const int T = std::abs(Title.Height);
    const int I = std::abs(Lines.Height);
    const int E = I + I / 2;
    Surface.SelectFont(Title);
    Surface.SetTextAlign(THorzAlign::Center, TVertAlign::Top);
    Surface.TextOut(Surface.PrintableWidth() / 2, Top + T / 2, Info.GameTitle);
    Surface.SelectFont(Lines);
    Surface.SetTextAlign(THorzAlign::Left, TVertAlign::Top);
    const std::array<std::string, 5> Texts = {
        "黑棋 : " + Info.BlackLine, "白棋 : " + Info.WhiteLine, "方式 : " + Info.GameMethod,
        "结果 : " + Info.GameResult, "日期 : " + Info.GameDate};
    for (int K = 0; K < 5; ++K)
        Surface.TextOut(Left, Top + 2 * T + K * E, Texts[K]);
    return GameInfoHeight(Title, Lines);
}

void DrawDiagramCaption(PrintSurface& Surface, int Y, int X, int32_t TotalMoves, int32_t LastMove,
                        int32_t FirstMove) {
    Surface.TextOut(X, Y,
                    "[部分谱 : " + std::to_string(FirstMove) + " 手 ~ " +
                        std::to_string(std::min(LastMove, TotalMoves)) + " 手]");
}

int32_t SplitMovesPerDiagram(const TPrintJobValues& Values) {
    return std::max<int32_t>(Values.MovesPerDiagram, 1);
}

int SplitDiagramsPerPage(const TPrintJobValues& Values) {
    switch (Values.PerPageIndex) {
        case 0:
            return 1;
        case 1:
            return 2;
        default:
            return 4;
    }
}

TPrintJob::TPrintJob(PrintSurface& Surface, const TPrintJobValues& Values, const TGamePInfo& Info,
                     std::string FontName)
    : Surface(Surface), Values(Values), Info(Info), PrintFontName(std::move(FontName)) {}

void TPrintJob::BeginPrintJob() {
    Surface.SetJobTitle(kPrintJobTitle);
    Surface.StartDocument();
}

void TPrintJob::NewPrintPage() {
    Surface.NewPage();
}

void TPrintJob::EndPrintJob() {
    Surface.EndDocument();
}

namespace {

// The moves a single-diagram job prints: the dialog's range, or the whole record.
std::pair<int32_t, int32_t> SingleRange(const TPrintJobValues& V) {
    if (V.RangeSelected) return {V.RangeStart, V.RangeEnd};
    return {1, V.TotalMoves};
}

}  // namespace

void TPrintJob::PrintDiagramPage(const LDispGGrid& BoardGrid, const LDispGGrid& NotesGrid) {
    TGPOPTION Option;
    BeginPrintJob();
    const int T = LayoutMargin(Values.TopMargin);
    const int L = LayoutMargin(Values.LeftMargin);
    // The header names what the diagram shows: the range when one was chosen, else the whole
    // record, also after the range fields were edited.
    std::tie(RangeStart, RangeEnd) = SingleRange(Values);
    const int Kind = RangeStart == 1 && RangeEnd == Values.TotalMoves ? kFrameWhole : kFramePartial;
    DrawPageFrame(Surface, T, L, Kind, RangeEnd, RangeStart, Info.Heading, PrintFontName);

    const LFontDesc TitleFont(PrintFontName, kTitlePoints);
    const LFontDesc InfoFont(PrintFontName, kInfoPoints);
    const int Block = DrawGameInfo(Surface, T + kTitleOffset, L, TitleFont, InfoFont, Info);

    const TDiagramPlace P = SingleDiagramPlace(Values, BoardGrid.Lines(), Block);
    Option.GridSize = P.Cell;
    DrawGrid(Surface, BoardGrid, P.BoardY, Option, P.BoardX, PrintFontName);
    Option.DrawBoard = 0;
    Option.GridSize = P.NoteCell;
    DrawGrid(Surface, NotesGrid, P.NotesY, Option, P.NotesX, PrintFontName);
    EndPrintJob();
}

void TPrintJob::PrintSplitPage(int PerPage, int32_t FirstMove,
                               const std::array<DiagramSlot, 4>& Slots, int32_t MovesPerDiagram) {
    TGPOPTION Option;
    RangeStart = Values.RangeStart;
    RangeEnd = Values.RangeEnd;
    DrawPageFrame(Surface, LayoutMargin(Values.TopMargin), LayoutMargin(Values.LeftMargin),
                  kFrameNone, RangeEnd, RangeStart, Info.Heading, PrintFontName);

    const int Count = PerPage == 1 ? 1 : PerPage == 2 ? 2 : 4;
    const TPrintFont OldFont = Surface.SelectFont(CaptionFont(Surface, Count));
    Surface.SetTextColour(kPrintBlack);
    Surface.SetTextAlign(THorzAlign::Left, TVertAlign::Bottom);
    const int Lines = Slots[0].BoardGrid ? Slots[0].BoardGrid->Lines() : kPrintBoardLines;
    const std::array<TDiagramPlace, 4> Places =
        SplitDiagramPlaces(Values, Count, Lines, CaptionHeight(Surface));

    for (int K = 0; K < Count; ++K) {
        if (!Slots[K].HoldsDiagram()) continue;
        const int64_t First = int64_t{FirstMove} + int64_t{K} * MovesPerDiagram;
        DrawDiagramCaption(Surface, Places[K].CaptionY, Places[K].CaptionX, Values.TotalMoves,
                           Clamp32(First + MovesPerDiagram - 1), Clamp32(First));
    }
    Surface.SelectFont(OldFont);

    Option.DrawBoard = 1;
    for (int K = 0; K < Count; ++K) {
        if (!Slots[K].HoldsDiagram()) continue;
        Option.GridSize = Places[K].Cell;
        DrawGrid(Surface, *Slots[K].BoardGrid, Places[K].BoardY, Option, Places[K].BoardX,
                 PrintFontName);
    }
    Option.DrawBoard = 0;
    for (int K = 0; K < Count; ++K) {
        if (!Slots[K].HoldsDiagram()) continue;
        Option.GridSize = Places[K].NoteCell;
        DrawGrid(Surface, *Slots[K].NotesGrid, Places[K].NotesY, Option, Places[K].NotesX,
                 PrintFontName);
    }
}

int JobPageCount(const TPrintJobValues& Values) {
    if (!Values.SplitSelected) return 1;
    const int64_t PerPage = int64_t{SplitDiagramsPerPage(Values)} * SplitMovesPerDiagram(Values);
    const int64_t Total = std::clamp<int32_t>(Values.TotalMoves, 0, kMaxMoves);
    return static_cast<int>((Total + PerPage - 1) / PerPage);
}

TPrintOutcome PrintSingleDiagram(TPrintJob& Job, const TMoveCoords& Moves,
                                 const TDiagramStart& Start) {
    const auto [First, Last] = SingleRange(Job.Values);
    LDispGGrid Board(Start.Lines());
    LDispGGrid Notes;
    const int Block =
        GameInfoHeight(CreatePrintFont(LFontDesc(Job.PrintFontName, kTitlePoints), Job.Surface),
                       CreatePrintFont(LFontDesc(Job.PrintFontName, kInfoPoints), Job.Surface));
    const TDiagramPlace P = SingleDiagramPlace(Job.Values, Board.Lines(), Block);
    const TBuiltDiagram D = BuildDiagram(P.Room, First, Last, Start, Moves, Board, Notes);
    Job.PrintDiagramPage(Board, Notes);
    return {1, D.Omitted, false};
}

TPrintOutcome PrintSplitDiagrams(TPrintJob& Job, const TMoveCoords& Moves,
                                 const TDiagramStart& Start, const TPageProgress& Progress) {
    TPrintOutcome Outcome;
    Job.BeginPrintJob();
    const int64_t P = SplitDiagramsPerPage(Job.Values);
    const int64_t N = SplitMovesPerDiagram(Job.Values);
    const int64_t Total =
        std::min<int64_t>(Job.Values.TotalMoves, std::clamp<int32_t>(Moves.Count, 0, kMaxMoves));
    const int Pages = Total <= 0 ? 0 : static_cast<int>((Total + P * N - 1) / (P * N));
    // Every page places its diagrams alike; the room of their notes bounds what they list.
    std::array<TDiagramPlace, 4> Places{};
    if (Pages > 0) {
        const TPrintFont Old =
            Job.Surface.SelectFont(CaptionFont(Job.Surface, static_cast<int>(P)));
        Places = SplitDiagramPlaces(Job.Values, static_cast<int>(P), Start.Lines(),
                                    CaptionHeight(Job.Surface));
        Job.Surface.SelectFont(Old);
    }
    for (int64_t Page = 0; Page * P * N + 1 <= Total; ++Page) {
        if (Progress && !Progress(static_cast<int>(Page), Pages)) {
            Outcome.Cancelled = true;
            break;
        }
        std::array<DiagramSlot, 4> Slots;
        for (int64_t K = 0; K < P; ++K) {
            const int64_t S = Page * P * N + K * N + 1;
            if (S > Total) break;
            DiagramSlot& Slot = Slots[K];
            Slot.BoardGrid.emplace(Start.Lines());
            Slot.NotesGrid.emplace();
            Outcome.Omitted += BuildDiagram(Places[K].Room, Clamp32(S), Clamp32(S + N - 1), Start,
                                            Moves, *Slot.BoardGrid, *Slot.NotesGrid)
                                   .Omitted;
        }
        if (Slots[0].HoldsDiagram()) {
            if (Page > 0) Job.NewPrintPage();
            Job.PrintSplitPage(static_cast<int>(P), Clamp32(Page * P * N + 1), Slots,
                               static_cast<int32_t>(N));
            ++Outcome.Pages;
        }
    }
    Job.EndPrintJob();
    return Outcome;
}

bool OpenPrintDialog(TOwnkFormModel& Dialog, const PrintSurface& Surface, const TMoveCoords& Moves,
                     const TGamePInfo& Info,
                     const std::function<void(TOwnkFormModel&)>& ShowModal) {
    Dialog.FormCreate();
    Dialog.SetGameInfo(std::clamp<int32_t>(Moves.Count, 0, kMaxMoves), Info);
    Dialog.FormShow(Surface.PrintableWidth(), Surface.PrintableHeight());
    ShowModal(Dialog);
    return Dialog.ModalResult == TModalResult::Ok;
}

TPrintOutcome PrintChosenJob(const TOwnkFormModel& Dialog, PrintSurface& Surface,
                             const TMoveCoords& Moves, const TDiagramStart& Start,
                             const TPageProgress& Progress) {
    TPrintJob Job(Surface, Dialog.JobValues(), Dialog.PrintGameInfo, Dialog.PrintFontName);
    if (Job.Values.SplitSelected) return PrintSplitDiagrams(Job, Moves, Start, Progress);
    return PrintSingleDiagram(Job, Moves, Start);
}

bool PrintRecord(TOwnkFormModel& Dialog, PrintSurface& Surface, const TMoveCoords& Moves,
                 const TDiagramStart& Start, const TGamePInfo& Info,
                 const std::function<void(TOwnkFormModel&)>& ShowModal,
                 const TPageProgress& Progress) {
    if (!OpenPrintDialog(Dialog, Surface, Moves, Info, ShowModal)) return false;
    PrintChosenJob(Dialog, Surface, Moves, Start, Progress);
    return true;
}

}  // namespace xvexo
