// Prints what the web element's viewer draws and shows for a few records, sizes and sequences of
// input: the drawing calls of both boards (the main one and the reference window's) recorded on
// the recording canvas, and the texts of the controls (game information, comment lines,
// prisoners, the reference window's caption and comment). Built natively and to WebAssembly
// (run with node): the test compares both outputs byte for byte, so the browser draws what the
// desktop's painter draws, its C library decodes every character set as the desktop's does, and
// its detector guesses the same set for a file that names none.
//
// Usage: web_draw_calls SOURCE_DIR (the checkout, for its sample and test records)

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "support/random_game.h"
#include "support/record_text.h"
#include "support/recording_canvas.h"
#include "web_viewer.h"

namespace {

using xvexo::TXVexoViewModel;
using xvexo::testing::TRecordedImage;
using xvexo::testing::TRecordingCanvas;
using xvexo::testing::TRecordingImageSource;
using xvexo::web::TWebViewer;

// The recording source, with the wood and edge pictures at their real sizes, so the wood is
// tiled as on a real board.
class TDriverPictures : public xvexo::TImageSource {
  public:
    std::unique_ptr<xvexo::TImage> Load(const std::string& Name) override {
        if (Name == "baseb") return std::make_unique<TRecordedImage>(Name, 65, 243);
        if (Name == "bedge") return std::make_unique<TRecordedImage>(Name, 9, 12);
        if (Name == "gedge") return std::make_unique<TRecordedImage>(Name, 10, 12);
        return Stones.Load(Name);
    }

  private:
    TRecordingImageSource Stones;
};

std::string ReadFile(const std::string& Path) {
    std::ifstream In(Path, std::ios::binary);
    if (!In) {
        std::fprintf(stderr, "cannot read %s\n", Path.c_str());
        std::exit(1);
    }
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

// A standard SGF game of 300 moves with captures, marked on its last move with every kind of
// mark and label the painter draws.
std::string MarkedGame() {
    std::string Text = "(;GM[1]FF[4]SZ[19]";
    const auto Point = [](int X, int Y) { return xvexo::testing::TagPoint(X, Y); };
    const xvexo::testing::TMoveList Moves = xvexo::testing::MakeRandomGame(300);
    for (size_t i = 0; i < Moves.size(); ++i)
        Text += (i % 2 == 0 ? ";B[" : ";W[") + Point(Moves[i].first, Moves[i].second) + "]";
    return Text + "TR[" + Point(4, 4) + "]SQ[" + Point(16, 4) + "]CR[" + Point(4, 16) + "]MA[" +
           Point(16, 16) + "]LB[" + Point(10, 10) + ":A][" + Point(3, 17) + ":12])";
}

// What the page is shown: the controls' texts and where the boards stand.
void PrintState(const TWebViewer& Viewer) {
    const TXVexoViewModel& M = Viewer.Model();
    const xvexo::TTitleData T = M.titleData(200);
    std::printf("move %d / %d, %s to play%s; board at %d,%d; prisoners %s %s; mode %d%s%s\n",
                T.MoveIndex, T.MoveCount, T.BlackToPlay ? "black" : "white",
                T.LastWasPass ? ", a pass" : "", M.boardLeft(), M.boardTop(), M.whiteDead().c_str(),
                M.blackDead().c_str(), M.viewMode(), M.numbersShown() ? ", numbers" : "",
                M.autoEndShown() ? ", automatic play" : "");
    const xvexo::TInfoTexts& Info = M.infoTexts();
    std::printf("title: %s\nblack: %s / %s\nwhite: %s / %s\n", Info.Title.c_str(),
                Info.Black.Name.c_str(), Info.Black.Rank.c_str(), Info.White.Name.c_str(),
                Info.White.Rank.c_str());
    for (const std::string& Line : Info.Lines)
        std::printf("info: %s\n", Line.c_str());
    for (const xvexo::TCommentLine& Line : M.commentLines()) {
        const std::string Kind = Line.IsLink ? " link " + std::to_string(Line.Diagram) : "";
        std::printf("comment%s: %s\n", Kind.c_str(), Line.Text.c_str());
    }
    if (Viewer.ReferenceShown()) {
        const xvexo::TCHelpFormModel& R = Viewer.Reference();
        std::printf("reference: %s, board at %d,%d, study %d; %s\n", R.Caption.c_str(),
                    R.HelpPBLeft, R.HelpPBTop, R.Study ? 1 : 0, Viewer.ReferenceMemo().c_str());
    }
}

struct TScene {
    std::string Name;
    std::string Text;
    std::string Address;
    int Cell;
    // The input after the load, as a page sends it.
    std::function<void(TWebViewer&)> Input;
};

void Draw(const TScene& Scene) {
    TRecordingCanvas Main;
    TRecordingCanvas Help;
    TDriverPictures Pictures;
    TWebViewer Viewer(Main, Help, Pictures);
    // A board panel whose cells come out at Scene.Cell for a board of 19 lines.
    const int Panel = 19 * Scene.Cell + 5 + 20;
    Viewer.Model().pBaseResize(Panel, Panel);
    const std::string Error = Viewer.Load(Scene.Text, Scene.Address, "record");
    if (Scene.Input) Scene.Input(Viewer);
    Main.Clear();
    Help.Clear();
    Viewer.Redraw();
    std::printf("== %s: %s\n", Scene.Name.c_str(), Error.empty() ? "loaded" : Error.c_str());
    PrintState(Viewer);
    for (const std::string& Call : Main.Calls)
        std::printf("%s\n", Call.c_str());
    if (!Viewer.ReferenceShown()) return;
    std::printf("-- the reference window\n");
    for (const std::string& Call : Help.Calls)
        std::printf("%s\n", Call.c_str());
}

void ToEnd(TWebViewer& V) {
    V.KeyDown("End", false);
}

void ToEndWithNumbers(TWebViewer& V) {
    V.KeyDown("End", false);
    V.Model().numBtnClick();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SOURCE_DIR\n", argv[0]);
        return 2;
    }
    const std::string Root = argv[1];
    const std::string Records = Root + "/tests/data/records/";
    const std::string Marked = MarkedGame();
    const std::string Nine = ReadFile(Records + "nine.sgf");
    const std::string Thirteen = ReadFile(Records + "thirteen.sgf");
    const std::string Sample = ReadFile(Root + "/resources/samples/sample.tag.txt");
    const TScene Scenes[] = {
        {"empty board", "", "http://x/empty.sgf", 24, nullptr},
        {"empty board", "", "http://x/empty.sgf", 59, nullptr},
        {"300 moves with numbers and marks", Marked, "http://x/game.sgf", 24, ToEndWithNumbers},
        {"300 moves with numbers and marks", Marked, "http://x/game.sgf", 59, ToEndWithNumbers},
        {"nine lines", Nine, "http://x/nine.sgf", 24, ToEnd},
        {"nine lines", Nine, "http://x/nine.sgf", 59, ToEndWithNumbers},
        {"thirteen lines", Thirteen, "http://x/thirteen.sgf", 24, ToEndWithNumbers},
        {"thirteen lines", Thirteen, "http://x/thirteen.sgf", 59, ToEnd},
        {"the tag sample", Sample, "http://x/sample.tag.txt", 24, nullptr},
        {"the NGF sample", ReadFile(Root + "/resources/samples/SAMPLE.NGF"), "http://x/SAMPLE.NGF",
         24, [](TWebViewer& V) { V.Model().numBtnClick(); }},
        // Stepped by keys, the wheel and clicks, then trial play with numbers.
        {"the tag sample stepped and tried", Sample, "http://x/sample.tag.txt", 24,
         [](TWebViewer& V) {
             V.KeyDown("Home", false);
             V.KeyDown("PageDown", false);
             V.Wheel(-120);
             V.Wheel(-60);
             V.Wheel(-60);
             V.BoardMouseDown(0, 100, 100);
             V.GoTo(57);
             V.Model().testBtnClick();
             // The corners, empty then.
             V.BoardMouseDown(0, 5, 5);
             V.BoardMouseDown(0, 18 * 24 + 5, 18 * 24 + 5);
             V.Model().numBtnClick();
         }},
        // A diagram link opened, stepped and studied.
        {"a reference diagram", Sample, "http://x/sample.tag.txt", 24,
         [](TWebViewer& V) {
             V.GoTo(12);
             V.Model().OpenDiagram(1);
             V.Reference().pBBaseResize(302, 292);
             V.KeyDown("ArrowLeft", true);
             V.KeyDown("PageDown", true);
             V.Reference().StepClick(xvexo::TCHelpFormModel::kStudy);
             V.ReferenceMouseDown(0, 5 * 15 + 3, 5 * 15 + 3);
         }},
        {"Korean text", ReadFile(Records + "korean.sgf"), "http://x/korean.sgf", 24, nullptr},
        {"Japanese text", ReadFile(Records + "japanese.sgf"), "http://x/japanese.sgf", 24, nullptr},
        // Files that name no character set: the detector's guess, then the decoding.
        {"Shift_JIS, no set named", ReadFile(Records + "japanese_no_charset.sgf"),
         "http://x/ja.sgf", 24, ToEnd},
        {"UHC, no set named", ReadFile(Records + "korean_no_charset.sgf"), "http://x/ko.sgf", 24,
         ToEnd},
        {"GB18030, no set named", ReadFile(Records + "chinese_no_charset.sgf"), "http://x/zh.sgf",
         24, ToEnd},
        {"a bad record", "(;GM[1]SZ[25];B[aa])", "http://x/bad.sgf", 24, nullptr},
        {"no game", "<html>not a game</html>", "http://x/page.html", 24, nullptr},
    };
    for (const TScene& Scene : Scenes)
        Draw(Scene);
    return 0;
}
