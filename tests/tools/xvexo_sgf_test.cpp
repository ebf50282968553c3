// xvexo on standard SGF fixtures: boards of fewer lines with captures at the edge, setup
// stones, the forced formats; and the bundled tag and NGF samples, whose output stays as it was
// before standard SGF was read.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "run_tool.h"

namespace xvexo {
namespace {

std::string Fixture(const std::string& Name) {
    return "'" + std::string(XVEXO_TEST_DATA) + "/records/" + Name + "'";
}

testing::TToolRun RunXvexo(const std::string& Args) {
    const auto Err = std::filesystem::temp_directory_path() /
                     ("xvexo_sgf_" + std::to_string(::getpid()) + ".err");
    testing::TToolRun R = testing::RunToolCommand(XVEXO_TOOL, Args, Err);
    std::filesystem::remove(Err);
    return R;
}

// The value of an integer field of the JSON text.
int IntField(const std::string& Json, const std::string& Key) {
    const std::regex Field("\"" + Key + "\": (-?[0-9]+)");
    std::smatch M;
    if (!std::regex_search(Json, M, Field)) return -1000;
    return std::stoi(M[1]);
}

// The "Points" rows of xvexo replay.
std::vector<std::string> Points(const std::string& Json) {
    const size_t From = Json.find("\"Points\": [");
    const size_t To = Json.find(']', From);
    std::vector<std::string> Rows;
    if (From == std::string::npos || To == std::string::npos) return Rows;
    const std::string List = Json.substr(From, To - From);
    static const std::regex Row("\"([.XO]+)\"");
    for (auto It = std::sregex_iterator(List.begin(), List.end(), Row);
         It != std::sregex_iterator(); ++It)
        Rows.push_back((*It)[1]);
    return Rows;
}

// The point (Col, Row) of Rows, 1-based.
char At(const std::vector<std::string>& Rows, int Col, int Row) {
    return Rows.at(static_cast<size_t>(Row - 1)).at(static_cast<size_t>(Col - 1));
}

TEST(XvexoSgf, NineLinesWithTwoStonesTakenInTheCorner) {
    const testing::TToolRun Record = RunXvexo("record " + Fixture("nine.sgf"));
    ASSERT_EQ(Record.Status, 0) << Record.Err;
    EXPECT_NE(Record.Out.find("{\n  \"FormatMode\": 3,\n  \"BoardSize\": 9,\n  \"Shown\": true,"),
              std::string::npos);

    const testing::TToolRun Before = RunXvexo("replay " + Fixture("nine.sgf") + " --to 10");
    const testing::TToolRun After = RunXvexo("replay " + Fixture("nine.sgf") + " --to 11");
    ASSERT_EQ(After.Status, 0) << After.Err;
    EXPECT_EQ(After.Out.rfind("{\n  \"BoardSize\": 9,\n  \"MoveIndex\": 11,", 0), 0u);
    const std::vector<std::string> B = Points(Before.Out);
    const std::vector<std::string> A = Points(After.Out);
    ASSERT_EQ(A.size(), 9u);
    for (const std::string& Row : A)
        EXPECT_EQ(Row.size(), 9u);
    EXPECT_EQ(At(B, 9, 1), 'O');
    EXPECT_EQ(At(B, 9, 2), 'O');
    EXPECT_EQ(At(A, 9, 1), '.');
    EXPECT_EQ(At(A, 9, 2), '.');
    EXPECT_EQ(At(A, 9, 3), 'X');
    EXPECT_EQ(IntField(After.Out, "BlackPrisoners"), 2);
    EXPECT_EQ(IntField(After.Out, "CaptureCount"), 2);
    // Numbers have nine rows of nine too.
    EXPECT_NE(After.Out.find("\"Numbers\": [[0, 0, 0, 0, 0, 0, 0, 0, 0], "), std::string::npos);
    EXPECT_EQ(After.Out.find("0, 0, 0, 0, 0, 0, 0, 0, 0, 0"), std::string::npos);
}

TEST(XvexoSgf, ThirteenLinesWithCapturesOnTwoEdges) {
    const testing::TToolRun Lower = RunXvexo("replay " + Fixture("thirteen.sgf") + " --to 9");
    ASSERT_EQ(Lower.Status, 0) << Lower.Err;
    const std::vector<std::string> L = Points(Lower.Out);
    ASSERT_EQ(L.size(), 13u);
    EXPECT_EQ(L[12], "....X.X......");  // white's stone on (6, 13) is gone
    EXPECT_EQ(IntField(Lower.Out, "BlackPrisoners"), 1);

    const testing::TToolRun Left = RunXvexo("replay " + Fixture("thirteen.sgf") + " --to 14");
    const std::vector<std::string> P = Points(Left.Out);
    EXPECT_EQ(At(P, 1, 7), 'O');
    EXPECT_EQ(At(P, 1, 8), '.');  // black's stone on the left edge is gone
    EXPECT_EQ(At(P, 1, 9), 'O');
    EXPECT_EQ(IntField(Left.Out, "WhitePrisoners"), 1);
    // Stepping back over the capture puts the stone back.
    const testing::TToolRun Back = RunXvexo("replay " + Fixture("thirteen.sgf") + " --to 13");
    EXPECT_EQ(At(Points(Back.Out), 1, 8), 'X');
    EXPECT_EQ(IntField(Back.Out, "WhitePrisoners"), 0);
}

TEST(XvexoSgf, NineHandicapStonesAndWhiteToPlay) {
    const testing::TToolRun R = RunXvexo("replay " + Fixture("handicap9.sgf") + " --to 1");
    ASSERT_EQ(R.Status, 0) << R.Err;
    const std::vector<std::string> P = Points(R.Out);
    ASSERT_EQ(P.size(), 19u);
    for (int Row : {4, 10, 16}) {
        for (int Col : {4, 10, 16})
            EXPECT_EQ(At(P, Col, Row), 'X') << Col << "," << Row;
    }
    EXPECT_EQ(At(P, 17, 6), 'O');  // white's first move
    EXPECT_EQ(IntField(R.Out, "SideToMove"), 1);
    EXPECT_NE(R.Out.find("\"History\": [[2, 17, 6, 0, 0]"), std::string::npos);
}

TEST(XvexoSgf, SetupAfterAMoveAndMovesOutOfTurnGoWithTheirMoves) {
    // After move 4 a node of its own (step 5) takes black's stone on C3 off and sets E5
    // (black) and F6 (white) up; black then plays D4 and E4, white F4. replay --to steps back
    // from the end.
    const std::string E = ".........";
    const struct {
        int To;
        std::vector<std::string> Rows;
    } Cases[] = {
        {3, {E, E, "..X......", E, E, E, "..X...O..", E, E}},
        {4, {E, E, "..X...O..", E, E, E, "..X...O..", E, E}},
        {5, {E, E, "......O..", E, "....X....", ".....O...", "..X...O..", E, E}},
        {8, {E, E, "......O..", "...XXO...", "....X....", ".....O...", "..X...O..", E, E}},
    };
    for (const auto& C : Cases) {
        const testing::TToolRun R =
            RunXvexo("replay " + Fixture("later_setup.sgf") + " --to " + std::to_string(C.To));
        ASSERT_EQ(R.Status, 0) << R.Err;
        EXPECT_EQ(Points(R.Out), C.Rows) << "--to " << C.To;
    }
    const testing::TToolRun End = RunXvexo("replay " + Fixture("later_setup.sgf"));
    EXPECT_NE(End.Out.find("[0, 0, 0, 0, 0], [1, 4, 4, 0, 0], [1, 5, 4, 0, 0], [2, 6, 4, 0, 0]]"),
              std::string::npos)
        << End.Out;
}

TEST(XvexoSgf, APrintedDiagramShowsTheStonesSetUpInItsRange) {
    const testing::TToolRun R =
        RunXvexo("diagram " + Fixture("later_setup.sgf") + " --from 1 --to 8");
    ASSERT_EQ(R.Status, 0) << R.Err;
    const size_t Board = R.Out.find("\"Board\": ");
    const std::string Cells = R.Out.substr(Board, R.Out.find("\"Notes\": ") - Board);
    // Each cell as "colour, number": row by row, 9 a row.
    std::vector<std::string> Grid;
    static const std::regex Cell("\\[([0-9]), (-?[0-9]+), [0-9]+\\]");
    for (auto It = std::sregex_iterator(Cells.begin(), Cells.end(), Cell);
         It != std::sregex_iterator(); ++It)
        Grid.push_back((*It)[1].str() + "," + (*It)[2].str());
    ASSERT_EQ(Grid.size(), 81u);
    const auto At = [&](int Col, int Row) {
        return Grid[static_cast<size_t>((Row - 1) * 9 + Col - 1)];
    };
    EXPECT_EQ(At(5, 5), "0,-1");  // black set up at step 5, unnumbered
    EXPECT_EQ(At(6, 6), "1,-1");  // white set up
    EXPECT_EQ(At(3, 3), "0,1");   // the stone taken off stays, as a captured stone does
    EXPECT_EQ(At(5, 4), "0,7");   // black's second move in a row, in black
    EXPECT_EQ(At(6, 4), "1,8");
}

TEST(XvexoSgf, AForcedFormatIsReadAsForced) {
    // Not forced: the SGF text is read as SGF although its name says tag.
    EXPECT_EQ(IntField(RunXvexo("record " + Fixture("nine.sgf")).Out, "FormatMode"), 3);
    // --tag: the tag reader, which finds no event first and shows nothing.
    const testing::TToolRun Tag = RunXvexo("record --tag " + Fixture("nine.sgf"));
    EXPECT_EQ(IntField(Tag.Out, "FormatMode"), 1);
    EXPECT_EQ(Tag.Out.find("\"BoardSize\""), std::string::npos);
    EXPECT_EQ(IntField(RunXvexo("record --ngf " + Fixture("nine.sgf")).Out, "FormatMode"), 2);
    // --sgf: a record that opens as the tag format does, in a file named as NGF, read as
    // standard SGF.
    const auto Path = std::filesystem::temp_directory_path() /
                      ("xvexo_sgf_" + std::to_string(::getpid()) + ".NGF");
    std::ofstream(Path) << "(;EV[Cup];B[pd];W[dd])";
    const std::string Source = "'" + Path.string() + "'";
    EXPECT_EQ(IntField(RunXvexo("record " + Source).Out, "FormatMode"), 2);
    EXPECT_EQ(IntField(RunXvexo("record --tag " + Source).Out, "FormatMode"), 1);
    const testing::TToolRun Sgf = RunXvexo("replay --sgf " + Source);
    EXPECT_EQ(Sgf.Status, 0) << Sgf.Err;
    EXPECT_EQ(IntField(Sgf.Out, "BoardSize"), 19);
    EXPECT_EQ(IntField(Sgf.Out, "MoveIndex"), 2);
    std::filesystem::remove(Path);
}

TEST(XvexoSgf, AGameEndingInTwoPassesStepsToEachPass) {
    const testing::TToolRun Record = RunXvexo("record " + Fixture("two_passes.sgf"));
    ASSERT_EQ(Record.Status, 0) << Record.Err;
    EXPECT_EQ(IntField(Record.Out, "MoveCount"), 22);
    const testing::TToolRun End = RunXvexo("replay " + Fixture("two_passes.sgf"));
    ASSERT_EQ(End.Status, 0) << End.Err;
    EXPECT_EQ(IntField(End.Out, "MoveIndex"), 22);
    EXPECT_EQ(IntField(End.Out, "EndIndex"), 22);
    EXPECT_NE(End.Out.find("\"LastMove\": [0, 0]"), std::string::npos);
    const struct {
        int To, Index, Side;
        const char* Last;
    } Cases[] = {
        {0, 0, 1, "[-1, 0]"},  {20, 20, 1, "[6, 6]"}, {21, 21, 2, "[0, 0]"},
        {22, 22, 1, "[0, 0]"}, {99, 22, 1, "[0, 0]"},
    };
    for (const auto& C : Cases) {
        const testing::TToolRun R =
            RunXvexo("replay " + Fixture("two_passes.sgf") + " --to " + std::to_string(C.To));
        ASSERT_EQ(R.Status, 0) << R.Err;
        EXPECT_EQ(IntField(R.Out, "MoveIndex"), C.Index) << C.To;
        EXPECT_EQ(IntField(R.Out, "EndIndex"), 22) << C.To;
        EXPECT_EQ(IntField(R.Out, "SideToMove"), C.Side) << C.To;
        EXPECT_NE(R.Out.find(std::string("\"LastMove\": ") + C.Last), std::string::npos) << C.To;
    }
}

TEST(XvexoNoGame, EveryCommandFailsOnAFileWithoutAGame) {
    const auto Dir =
        std::filesystem::temp_directory_path() / ("xvexo_nogame_" + std::to_string(::getpid()));
    std::filesystem::create_directories(Dir);
    const auto Page = Dir / "page.html";
    std::ofstream(Page) << "<!DOCTYPE html>\n<html><body><p>Not found (see the index)</p>"
                           "<script>for (;;) {}</script></body></html>\n";
    const auto Image = Dir / "board.png";
    std::ofstream(Image, std::ios::binary) << std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    for (const auto& File : {Page, Image}) {
        const std::string Source = "'" + File.string() + "'";
        const std::string Out = "'" + (Dir / "out").string() + "'";
        for (const std::string& Command :
             {"record " + Source, "replay " + Source, "diagram " + Source + " --from 1 --to 1",
              "render " + Source + " -o " + Out, "print " + Source + " -o " + Out}) {
            const testing::TToolRun R = RunXvexo(Command);
            EXPECT_EQ(R.Status, 1) << Command;
            EXPECT_EQ(R.Err, File.string() + " holds no game record\n") << Command;
            EXPECT_FALSE(std::filesystem::exists(Dir / "out")) << Command;
        }
        const testing::TToolRun Record = RunXvexo("record " + Source);
        EXPECT_NE(Record.Out.find("\"Shown\": false,\n  \"Error\": \"" + File.string() +
                                  " holds no game record\""),
                  std::string::npos)
            << Record.Out;
    }
    std::filesystem::remove_all(Dir);
}

TEST(XvexoSgf, TheDiagramHasARowOfEachLine) {
    const testing::TToolRun R = RunXvexo("diagram " + Fixture("nine.sgf") + " --from 1 --to 11");
    ASSERT_EQ(R.Status, 0) << R.Err;
    const size_t Board = R.Out.find("\"Board\": ");
    const size_t Notes = R.Out.find("\"Notes\": ");
    ASSERT_NE(Board, std::string::npos);
    const std::string Cells = R.Out.substr(Board, Notes - Board);
    // 81 cells; the stone of move 11 numbered on (9, 3), the taken stones' points noted.
    EXPECT_EQ(std::count(Cells.begin(), Cells.end(), '[') - 1 - 9, 81);
    EXPECT_NE(Cells.find("[0, 11, 0]"), std::string::npos);
}

// The samples' record (every byte as it stands) and replay JSON, byte for byte as xvexo wrote
// them before standard SGF was read (kept in tests/data/outputs).
TEST(XvexoSamples, TagAndNgfOutputsAreUnchanged) {
    const std::string Samples = std::string(XVEXO_SAMPLES) + "/";
    const std::string Outputs = std::string(XVEXO_TEST_DATA) + "/outputs/";
    const struct {
        std::string Args, Source, Expected;
    } Cases[] = {
        {"record --text raw", "sample.tag.txt", "sample.tag.record-raw.json"},
        {"replay", "sample.tag.txt", "sample.tag.replay.json"},
        {"record --text raw", "SAMPLE.NGF", "SAMPLE.NGF.record-raw.json"},
        {"replay", "SAMPLE.NGF", "SAMPLE.NGF.replay.json"},
    };
    for (const auto& C : Cases) {
        std::ifstream In(Outputs + C.Expected, std::ios::binary);
        const std::string Expected{std::istreambuf_iterator<char>(In), {}};
        ASSERT_FALSE(Expected.empty()) << C.Expected;
        const testing::TToolRun R = RunXvexo(C.Args + " '" + Samples + C.Source + "'");
        EXPECT_EQ(R.Status, 0) << C.Expected;
        EXPECT_EQ(R.Out, Expected) << C.Expected;
    }
}

}  // namespace
}  // namespace xvexo
