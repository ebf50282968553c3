// xvexo diagram: one printed diagram, built as the print command builds it (the record's
// handicap, the main board's history up to its last move), as one JSON object. Needs only the
// rules engine, the records and the diagram builder.

#include <memory>
#include <optional>

#include "command_line.h"
#include "commands.h"
#include "json_writer.h"
#include "load_source.h"
#include "printing/diagram_builder.h"
#include "printing/game_print_info.h"
#include "records/record_error.h"

namespace xvexo::cli {

namespace {

constexpr int kDefaultRowWidth = 28;

// The cells of Grid, Rows rows of Columns, as [colour, number, mark].
void GridJson(TJsonWriter& J, const LDispGGrid& Grid, int Rows, int Columns) {
    J.BeginArray();
    for (int Row = 0; Row < Rows; ++Row) {
        J.BeginArray();
        for (int Column = 0; Column < Columns; ++Column) {
            J.BeginArray();
            J.Int(Grid.GetColor(Row, Column));
            J.Int(Grid.GetNumber(Row, Column));
            J.Int(Grid.GetMark(Row, Column));
            J.EndArray();
        }
        J.EndArray();
    }
    J.EndArray();
}

std::string DiagramJson(const TBuiltDiagram& D, const LDispGGrid& Board, const LDispGGrid& Notes) {
    TJsonWriter J;
    J.BeginObject();
    J.Key("First");
    J.Int(D.First);
    J.Key("Last");
    J.Int(D.Last);
    J.Key("NoteEntries");
    J.BeginArray();
    for (int i = 0; i < D.Notes.Count; ++i) {
        J.BeginArray();
        J.Int(D.Notes.Entries[i].Colour);
        J.Int(D.Notes.Entries[i].Value);
        J.EndArray();
    }
    J.EndArray();
    J.Key("Board");
    GridJson(J, Board, Board.Lines(), Board.Lines());
    J.Key("Notes");
    GridJson(J, Notes, LDispGGrid::Rows, LDispGGrid::Columns);
    J.EndObject();
    return J.TakeText();
}

// The integer value of option Name, or an error; Default when the option was not given.
std::optional<int32_t> IntegerOption(const TCommandLine& L, const std::string& Name,
                                     std::optional<int32_t> Default, std::string& Error) {
    const auto It = L.Values.find(Name);
    if (It == L.Values.end()) {
        if (!Default) Error = Name + " is missing";
        return Default;
    }
    const std::optional<int32_t> V = ParseDecimal(It->second);
    if (!V) Error = Name + " must be a whole number";
    return V;
}

}  // namespace

int RunDiagram(const TArgs& Args) {
    const TCommandLine L = ParseCommandLine(Args, {"--from", "--to", "--row-width"});
    std::string Error = L.Error;
    std::optional<int32_t> From, To, Width;
    if (Error.empty()) From = IntegerOption(L, "--from", std::nullopt, Error);
    if (Error.empty()) To = IntegerOption(L, "--to", std::nullopt, Error);
    if (Error.empty()) Width = IntegerOption(L, "--row-width", kDefaultRowWidth, Error);
    if (Error.empty() && (*From < 1 || *To < *From)) {
        Error = "--from A --to B needs 1 <= A <= B";
    }
    if (Error.empty() && (*Width < 1 || *Width > kMaxNoteRow)) {
        Error = "--row-width must be from 1 to " + std::to_string(kMaxNoteRow);
    }
    if (!Error.empty()) {
        PrintError(Error);
        return kExitUsage;
    }

    TLoadedSource S = LoadSource(L.Source, L.Format);
    TMoveCoords Moves;
    S.Board->GetMoveCoords(S.Board->EndIndex(), Moves);
    auto Game = std::make_unique<TPosition>();
    S.Board->GetPosition(*Game);
    const TDiagramStart Start = DiagramStartOf(*S.Record, *Game, S.Handicap);
    LDispGGrid Board(Start.Lines());
    LDispGGrid Notes;
    const TBuiltDiagram D = BuildDiagram(*Width, *From, *To, Start, Moves, Board, Notes);
    return FinishWithJson(DiagramJson(D, Board, Notes), S.Result);
}

}  // namespace xvexo::cli
