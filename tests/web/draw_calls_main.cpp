// Prints the drawing calls of the web element's board for a few records and sizes, recorded on
// the recording canvas, and the game's texts as the labels show them. Built natively and to
// WebAssembly (run with node): the test compares both outputs byte for byte, so the browser's
// board draws what the desktop's painter draws, and its C library decodes every character set
// as the desktop's does.
//
// Usage: web_draw_calls SOURCE_DIR (the checkout, for its sample and test records)

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "board_view.h"
#include "support/random_game.h"
#include "support/record_text.h"
#include "support/recording_canvas.h"

namespace {

using xvexo::testing::TRecordedImage;
using xvexo::testing::TRecordingCanvas;
using xvexo::testing::TRecordingImageSource;

// The recording source, with the wood and edge pictures at their real sizes, so the wood is
// tiled as on a real board.
class TDriverPictures : public xvexo::TImageSource {
  public:
    std::unique_ptr<xvexo::TImage> Load(const std::string& Name) override {
        if (Name == "baseb") return std::make_unique<TRecordedImage>(Name, 65, 243);
        if (Name == "bedge") return std::make_unique<TRecordedImage>(Name, 9, 12);
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

struct TScene {
    std::string Name;
    std::string Text;
    std::string Address;
    int Cell;
    bool Numbers;
};

void Draw(const TScene& Scene) {
    TRecordingCanvas Canvas;
    TDriverPictures Pictures;
    xvexo::web::TBoardView View(Canvas, Pictures);
    // The box of a panel whose cells come out at Scene.Cell for a board of 19 lines, then the
    // record's own lines.
    const auto Box = [&Scene](int Lines) { return Lines * Scene.Cell + 5 + 20; };
    View.Resize(Box(19), Box(19));
    const std::string Error = View.Load(Scene.Text, Scene.Address);
    View.Resize(Box(View.Lines()), Box(View.Lines()));
    if (Scene.Numbers) View.ShowNumbers(true);
    View.Redraw();
    std::printf("== %s: %s, move %d, board at %d,%d\n", Scene.Name.c_str(),
                Error.empty() ? "loaded" : Error.c_str(), View.MoveIndex(), View.BoardLeft(),
                View.BoardTop());
    using xvexo::TInfoKind;
    for (const TInfoKind Kind :
         {TInfoKind::Title, TInfoKind::BlackName, TInfoKind::WhiteName, TInfoKind::GameComment}) {
        std::printf("%s: %s\n", xvexo::InfoFieldName(Kind), View.InfoText(Kind).c_str());
    }
    for (const std::string& Call : Canvas.Calls)
        std::printf("%s\n", Call.c_str());
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
    const TScene Scenes[] = {
        {"empty board", "", "http://x/empty.sgf", 24, false},
        {"empty board", "", "http://x/empty.sgf", 59, false},
        {"300 moves with numbers and marks", Marked, "http://x/game.sgf", 24, true},
        {"300 moves with numbers and marks", Marked, "http://x/game.sgf", 59, true},
        {"nine lines", Nine, "http://x/nine.sgf", 24, false},
        {"nine lines", Nine, "http://x/nine.sgf", 59, true},
        {"thirteen lines", Thirteen, "http://x/thirteen.sgf", 24, true},
        {"thirteen lines", Thirteen, "http://x/thirteen.sgf", 59, false},
        {"the tag sample", ReadFile(Root + "/resources/samples/sample.tag.txt"),
         "http://x/sample.tag.txt", 24, false},
        {"the NGF sample", ReadFile(Root + "/resources/samples/SAMPLE.NGF"), "http://x/SAMPLE.NGF",
         24, true},
        {"Korean text", ReadFile(Records + "korean.sgf"), "http://x/korean.sgf", 24, false},
        {"Japanese text", ReadFile(Records + "japanese.sgf"), "http://x/japanese.sgf", 24, false},
        {"a bad record", "(;GM[1]SZ[25];B[aa])", "http://x/bad.sgf", 24, false},
    };
    for (const TScene& Scene : Scenes)
        Draw(Scene);
    return 0;
}
