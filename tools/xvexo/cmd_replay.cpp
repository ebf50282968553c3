// xvexo replay: the applied board, optionally after going to a move, as one JSON object.

#include <algorithm>
#include <cstdio>

#include "command_line.h"
#include "commands.h"
#include "json_writer.h"
#include "load_source.h"

namespace xvexo::cli {

namespace {

// The board as JSON; WithSize puts its lines first (standard SGF records: the tag and NGF
// formats are always 19 lines, and their output stays as it was). Points and Numbers have a row
// of each line.
std::string BoardJson(const TGoBoard& Board, bool WithSize) {
    auto P = std::make_unique<TPosition>();
    Board.GetPosition(*P);
    int32_t LastX = -1;
    int32_t LastY = 0;
    uint8_t LastColour = 0;
    Board.GetLastMove(LastX, LastY, LastColour);
    const int Lines = std::clamp<int>(P->Size, 0, kMaxLines);

    TJsonWriter J;
    J.BeginObject();
    if (WithSize) {
        J.Key("BoardSize");
        J.Int(Lines);
    }
    J.Key("MoveIndex");
    J.Int(Board.MoveIndex());
    J.Key("EndIndex");
    J.Int(Board.EndIndex());
    J.Key("SideToMove");
    J.Int(Board.SideToMove());
    J.Key("BlackPrisoners");
    J.Int(Board.BlackPrisonerCount());
    J.Key("WhitePrisoners");
    J.Int(Board.WhitePrisonerCount());
    J.Key("CaptureCount");
    J.Int(Board.CaptureCountNow());
    J.Key("LastMove");
    J.BeginArray();
    J.Int(LastX);
    J.Int(LastY);
    J.EndArray();
    J.Key("Points");
    J.BeginArray();
    for (int Row = 0; Row < Lines; ++Row) {
        std::string Line(static_cast<size_t>(Lines), '.');
        for (int Col = 0; Col < Lines; ++Col) {
            const uint8_t C = P->Points[Row][Col];
            Line[Col] = C == kBlack ? 'X' : C == kWhite ? 'O' : '.';
        }
        J.String(Line);
    }
    J.EndArray();
    J.Key("Numbers");
    J.BeginArray();
    for (int Row = 0; Row < Lines; ++Row) {
        J.BeginArray();
        for (int Col = 0; Col < Lines; ++Col)
            J.Int(P->Numbers[Row][Col]);
        J.EndArray();
    }
    J.EndArray();
    J.Key("History");
    J.BeginArray();
    const int32_t Last = std::clamp(std::max(Board.MoveIndex(), Board.EndIndex()), 0, kMaxMoves);
    for (int32_t i = 1; i <= Last; ++i) {
        const THistoryEntry& H = P->History[i];
        J.BeginArray();
        J.Int(H.Colour);
        J.Int(H.X);
        J.Int(H.Y);
        J.Int(H.KoX);
        J.Int(H.KoY);
        J.EndArray();
    }
    J.EndArray();
    J.EndObject();
    return J.TakeText();
}

}  // namespace

int RunReplay(const TArgs& Args) {
    const TCommandLine L = ParseCommandLine(Args, {"--to"});
    if (!L.Error.empty()) {
        PrintError(L.Error);
        return kExitUsage;
    }
    std::optional<int32_t> To;
    if (!ReadMoveOption(L, To)) return kExitUsage;
    TLoadedSource S = LoadSource(L.Source, L.Format);
    if (To && !S.Result.Failed()) GoToMove(*S.Board, *To);
    const bool Sgf = S.Result.Shown && S.Record->FormatMode == kFormatSgf;
    return FinishWithJson(BoardJson(*S.Board, Sgf), S.Result);
}

}  // namespace xvexo::cli
