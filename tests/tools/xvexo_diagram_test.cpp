// xvexo diagram, run as a program: the JSON of one printed diagram, byte for byte, its handicap
// and moves as the viewer applies them, and its usage errors.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <utility>
#include <vector>

#include "run_tool.h"
#include "support/record_text.h"

namespace xvexo {
namespace {

using testing::TToolRun;

struct TTemp {
    std::filesystem::path Dir =
        std::filesystem::temp_directory_path() / ("xvexo_diagram_" + std::to_string(::getpid()));
    TTemp() { std::filesystem::create_directories(Dir); }
    ~TTemp() {
        std::error_code Ec;
        std::filesystem::remove_all(Dir, Ec);
    }
    std::string Write(const std::string& Name, const std::string& Bytes) const {
        std::ofstream(Dir / Name, std::ios::binary) << Bytes;
        return (Dir / Name).string();
    }
    TToolRun Run(const std::string& Args) const {
        return testing::RunToolCommand(XVEXO_TOOL, Args, Dir / "stderr.txt");
    }
};

// A cell of a grid as the JSON writes it: colour, number, mark.
struct TCell {
    int Colour = 2, Number = -1, Mark = 0;
};
using TCells = std::map<std::pair<int, int>, TCell>;  // (row, column) -> cell; others empty

std::string GridText(const TCells& Cells, int Columns) {
    std::string Out = "[";
    for (int Row = 0; Row < 19; ++Row) {
        Out += Row ? ", [" : "[";
        for (int Column = 0; Column < Columns; ++Column) {
            const auto It = Cells.find({Row, Column});
            const TCell C = It == Cells.end() ? TCell{} : It->second;
            Out += (Column ? ", [" : "[") + std::to_string(C.Colour) + ", " +
                   std::to_string(C.Number) + ", " + std::to_string(C.Mark) + "]";
        }
        Out += "]";
    }
    return Out + "]";
}

std::string DiagramText(int First, int Last, const std::vector<std::pair<int, int>>& Entries,
                        const TCells& Board, const TCells& Notes) {
    std::string Text = "{\n  \"First\": " + std::to_string(First) +
                       ",\n  \"Last\": " + std::to_string(Last) + ",\n  \"NoteEntries\": [";
    for (size_t i = 0; i < Entries.size(); ++i) {
        Text += (i ? ", [" : "[") + std::to_string(Entries[i].first) + ", " +
                std::to_string(Entries[i].second) + "]";
    }
    return Text + "],\n  \"Board\": " + GridText(Board, 19) +
           ",\n  \"Notes\": " + GridText(Notes, 29) + "\n}\n";
}

// Black 1 at the corner, taken by white 4 and the point played again by white 6.
const std::string kCorner = "(;EV[k];B[aa];W[ba];B[ee];W[ab];B[ff];W[aa]\n)\n";

TEST(XvexoDiagram, ExactJsonOfASmallRecord) {
    const TTemp T;
    const std::string Source = T.Write("corner.txt", kCorner);

    // The whole game: the corner shows black 1; the notes hold 1, a dash, 6 and the end.
    TToolRun R = T.Run("diagram '" + Source + "' --from 1 --to 6");
    EXPECT_EQ(R.Status, 0);
    EXPECT_EQ(R.Err, "");
    EXPECT_EQ(R.Out,
              DiagramText(1, 6, {{0, 1}, {2, 800}, {1, 6}, {2, 900}},
                          {{{0, 0}, {0, 1, 0}},
                           {{0, 1}, {1, 2, 0}},
                           {{4, 4}, {0, 3, 0}},
                           {{1, 0}, {1, 4, 0}},
                           {{5, 5}, {0, 5, 0}}},
                          {{{0, 0}, {0, 1, 0}}, {{0, 1}, {2, -1, '-'}}, {{0, 2}, {1, 6, 0}}}));

    // From move 4, to a move past the end: black 1 stands before the range, unnumbered, and is
    // labelled 'a' once its point is played again; the last move is clipped.
    R = T.Run("diagram '" + Source + "' --from 4 --to 9");
    EXPECT_EQ(R.Status, 0);
    EXPECT_EQ(R.Out,
              DiagramText(4, 6, {{0, 701}, {2, 800}, {1, 6}, {2, 900}},
                          {{{0, 0}, {0, -1, 'a'}},
                           {{0, 1}, {1, -1, 0}},
                           {{4, 4}, {0, -1, 0}},
                           {{1, 0}, {1, 4, 0}},
                           {{5, 5}, {0, 5, 0}}},
                          {{{0, 0}, {0, -1, 'a'}}, {{0, 1}, {2, -1, '-'}}, {{0, 2}, {1, 6, 0}}}));

    // A row of 3 cells: the group of 4 goes on in the next row.
    R = T.Run("diagram --tag '" + Source + "' --from 1 --to 6 --row-width 3");
    EXPECT_EQ(R.Status, 0);
    EXPECT_NE(R.Out.find(
                  "\"Notes\": " +
                  GridText({{{0, 0}, {0, 1, 0}}, {{0, 1}, {2, -1, '-'}}, {{0, 2}, {1, 6, 0}}}, 29)),
              std::string::npos)
        << R.Out;
}

// The default row is 28 entries on every board; the 13 a printed 9x9 diagram takes wrap the
// last of four groups of four into the next row.
TEST(XvexoDiagram, RowWidthWrapsTheNotesOfASmallBoard) {
    const TTemp T;
    // In each corner a black stone is taken and white plays on its point.
    std::string Moves;
    for (const char* Corner :
         {"aa ba ee ab ff", "ia ha dd ib gg", "ai bi ec ah ce", "ii hi eg ih ge"}) {
        const std::string C = Corner;
        Moves += ";B[" + C.substr(0, 2) + "];W[" + C.substr(3, 2) + "];B[" + C.substr(6, 2) +
                 "];W[" + C.substr(9, 2) + "];B[" + C.substr(12, 2) + "];W[" + C.substr(0, 2) + "]";
    }
    const std::string Source = T.Write("corners.sgf", "(;GM[1]FF[4]SZ[9]" + Moves + ")\n");
    TCells Notes;
    for (int G = 0; G < 4; ++G) {
        const int Row = G / 3;
        const int Column = G % 3 * 4;
        Notes[{Row, Column}] = {0, 1 + 6 * G, 0};
        Notes[{Row, Column + 1}] = {2, -1, '-'};
        Notes[{Row, Column + 2}] = {1, 6 + 6 * G, 0};
    }
    TToolRun R = T.Run("diagram '" + Source + "' --from 1 --to 24 --row-width 13");
    ASSERT_EQ(R.Status, 0) << R.Err;
    EXPECT_NE(R.Out.find("\"Notes\": " + GridText(Notes, 29)), std::string::npos) << R.Out;
    TCells OneRow;
    for (int G = 0; G < 4; ++G) {
        OneRow[{0, G * 4}] = {0, 1 + 6 * G, 0};
        OneRow[{0, G * 4 + 1}] = {2, -1, '-'};
        OneRow[{0, G * 4 + 2}] = {1, 6 + 6 * G, 0};
    }
    R = T.Run("diagram '" + Source + "' --from 1 --to 24");
    EXPECT_NE(R.Out.find("\"Notes\": " + GridText(OneRow, 29)), std::string::npos) << R.Out;
}

// The colours of the Board of a diagram, row by row, as 'X', 'O' and '.'.
std::vector<std::string> BoardColours(const std::string& Json) {
    const size_t Start = Json.find("\"Board\": ");
    const std::string Line = Json.substr(Start, Json.find('\n', Start) - Start);
    static const std::regex Cell(R"(\[(\d), (-?\d+), (\d+)\])");
    std::vector<std::string> Rows(1);
    for (auto It = std::sregex_iterator(Line.begin(), Line.end(), Cell);
         It != std::sregex_iterator(); ++It) {
        if (Rows.back().size() == 19) Rows.emplace_back();
        Rows.back() += "XO."[std::stoi((*It)[1])];
    }
    return Rows;
}

// The "Points" rows of xvexo replay.
std::vector<std::string> ReplayPoints(const std::string& Json) {
    static const std::regex Row("\"([.XO]{19})\"");
    std::vector<std::string> Rows;
    for (auto It = std::sregex_iterator(Json.begin(), Json.end(), Row);
         It != std::sregex_iterator(); ++It)
        Rows.push_back((*It)[1]);
    return Rows;
}

// The handicap and the moves come from the record as the viewer applies them: a diagram that
// ends at move N shows the viewer's board after move N (when the range takes no stones).
TEST(XvexoDiagram, HandicapAndMovesAsTheViewerAppliesThem) {
    const TTemp T;
    std::vector<std::string> Lines = testing::NgfHeader("3", "90", "4");
    for (const char* Move : {"CC", "RC", "CR", "LM"})
        Lines.push_back(testing::NgfMove(static_cast<int>(Lines.size()) - 11, Move));
    const std::string Source = "'" + T.Write("handicap.NGF", testing::NgfText(Lines)) + "'";
    for (const char* Range : {"1", "3"}) {
        SCOPED_TRACE(Range);
        const TToolRun Replay = T.Run("replay " + Source + " --to " + Range);
        const TToolRun Diagram = T.Run("diagram " + Source + " --from " + Range + " --to " + Range);
        ASSERT_EQ(Diagram.Status, 0) << Diagram.Err;
        const std::vector<std::string> Board = ReplayPoints(Replay.Out);
        ASSERT_EQ(Board.size(), 19u) << Replay.Out;
        EXPECT_EQ(std::count(Board[2].begin(), Board[2].end(), 'X') +
                      std::count(Board[3].begin(), Board[3].end(), 'X'),
                  1)
            << "a handicap stone on row 4";
        EXPECT_EQ(BoardColours(Diagram.Out), Board);
    }
}

TEST(XvexoDiagram, UsageErrorsExitTwo) {
    const TTemp T;
    const std::string Source = "'" + T.Write("corner.txt", kCorner) + "'";
    const std::pair<std::string, std::string> Cases[] = {
        {Source + " --to 5", "--from is missing\n"},
        {Source + " --from 1", "--to is missing\n"},
        {Source + " --from x --to 5", "--from must be a whole number\n"},
        {Source + " --from 0 --to 5", "--from A --to B needs 1 <= A <= B\n"},
        {Source + " --from 6 --to 5", "--from A --to B needs 1 <= A <= B\n"},
        {Source + " --from 1 --to 5 --row-width 0", "--row-width must be from 1 to 28\n"},
        {Source + " --from 1 --to 5 --row-width 29", "--row-width must be from 1 to 28\n"},
        {Source + " --from 1 --to 5 --bogus", "unknown option --bogus\n"},
        {"--from 1 --to 5", "SOURCE is missing\n"},
    };
    for (const auto& [Args, Message] : Cases) {
        const TToolRun R = T.Run("diagram " + Args);
        EXPECT_EQ(R.Status, 2) << Args;
        EXPECT_EQ(R.Err, Message) << Args;
        EXPECT_EQ(R.Out, "") << Args;
    }
    // A failed load prints the empty diagram and says why.
    const TToolRun R = T.Run("diagram '" + (T.Dir / "missing.txt").string() + "' --from 1 --to 5");
    EXPECT_EQ(R.Status, 1);
    EXPECT_EQ(R.Out, DiagramText(1, 0, {}, {}, {}));
    EXPECT_NE(R.Err.find("Cannot open"), std::string::npos) << R.Err;
}

}  // namespace
}  // namespace xvexo
