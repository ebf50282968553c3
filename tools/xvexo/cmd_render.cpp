// xvexo render: the main board's paint box (board and label margin) as the viewer shows it after
// loading the record (and going to a move), or the board of the reference window showing one of
// its diagrams, drawn into a PNG file.

#include <QImage>
#include <QString>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>

#include "command_line.h"
#include "commands.h"
#include "display/go_painter.h"
#include "display/image_set_chooser.h"
#include "display/main_view_model.h"
#include "display/record_drawing.h"
#include "display/reference_window_model.h"
#include "gui_start.h"
#include "load_source.h"
#include "platform/output_file.h"
#include "platform/qimage_canvas.h"
#include "platform/resource_store.h"
#include "records/record_loader.h"
#include "records/record_setup.h"
#include "render_reference.h"

namespace xvexo::cli {

namespace {

// Writes Picture as the PNG file Path (bytes, as given): encoded in memory and written by us, so
// a failure is one line of ours and nothing of the PNG library's.
int WritePicture(const QImage& Picture, const std::string& Path) {
    std::string Reason;
    if (WritePngFile(Picture, Path, Reason)) return kExitOk;
    PrintError("Cannot write the output: " + Reason);
    return kExitFailed;
}

constexpr int kDefaultCell = 24;
constexpr int kMaxCell = 200;  // a 3820-pixel board; larger pictures serve no one

std::optional<int> ParseCell(const std::string& Text) {
    int Value = 0;
    const char* End = Text.data() + Text.size();
    const auto [Ptr, Ec] = std::from_chars(Text.data(), End, Value);
    if (Ec != std::errc() || Ptr != End || Value < 1 || Value > kMaxCell) return std::nullopt;
    return Value;
}

}  // namespace

int RunRender(const TArgs& Args) {
    // --numbers is the one option without a value.
    TArgs Rest;
    bool Numbers = false;
    for (const std::string& A : Args) {
        if (A == "--numbers") {
            Numbers = true;
        } else {
            Rest.push_back(A);
        }
    }
    const TCommandLine L = ParseCommandLine(Rest, {"--to", "--cell", "-o", "--reference"});
    if (!L.Error.empty()) {
        PrintError(L.Error);
        return kExitUsage;
    }
    std::optional<int32_t> To;
    if (!ReadMoveOption(L, To)) return kExitUsage;
    std::optional<int> CellOption;
    if (auto It = L.Values.find("--cell"); It != L.Values.end()) {
        CellOption = ParseCell(It->second);
        if (!CellOption) {
            PrintError("--cell must be a whole number from 1 to " + std::to_string(kMaxCell));
            return kExitUsage;
        }
    }
    const int Cell = CellOption.value_or(kDefaultCell);
    std::optional<TReferenceLink> Reference;
    if (auto It = L.Values.find("--reference"); It != L.Values.end()) {
        Reference = ParseReferenceLink(It->second);
        if (!Reference) {
            PrintError(
                "--reference must be M-K: a move number of 0 or more, a dash and a "
                "diagram number of 1 or more");
            return kExitUsage;
        }
        if (To || Numbers) {
            PrintError("--reference draws the reference window; --to and --numbers do not apply");
            return kExitUsage;
        }
    }
    const auto Out = L.Values.find("-o");
    if (Out == L.Values.end() || Out->second.empty()) {
        PrintError("-o FILE.png is missing");
        return kExitUsage;
    }

    TLoadedSource S = LoadSource(L.Source, L.Format);
    if (S.Result.Failed()) {
        PrintError(S.Result.Error);
        return kExitFailed;
    }

    const auto App = StartGui();
    try {
        TResourceStore Store;
        if (Reference) {
            TQImageCanvas Window(1, 1, kReferencePanelColour);
            std::string Error;
            if (!S.Result.Shown ||
                !DrawReference(*S.Record, *Reference, CellOption, Store, Window, Error)) {
                PrintError(Error.empty() ? "The record holds no game to show" : Error);
                return kExitFailed;
            }
            return WritePicture(Window.Snapshot(), Out->second);
        }
        const auto Base = Store.Load("baseb");
        const auto Edge = Store.Load("bedge");
        TQImageCanvas Canvas(1, 1, kPanelColour);
        TKelGoPB Painter(Canvas, *Base, *Edge);
        if (S.Result.Shown) {
            Painter.SetLines(S.Record->BoardSize);
            // The labels the viewer gives a record before the user chooses: standard for
            // standard SGF, as designed for the tag and NGF formats.
            Painter.SetCoordinates(TXVexoViewModel::coordinatesOf(S.Record->FormatMode));
        }
        LoadImageSet(Painter, Store, Painter.Lines() * Cell);

        // The viewer's board: every point event reaches the painter while the record is applied.
        auto Board = std::make_unique<TGoBoard>();
        const auto ToPainter = [&Painter](TGoBoard&, int32_t X, int32_t Y, int32_t Value,
                                          uint8_t Colour) {
            Painter.SetPoint(Colour, X, Y, Value);
        };
        Board->OnPutStone = ToPainter;
        Board->OnRedrawPoint = ToPainter;
        if (S.Result.Shown) {
            DrawRecordReplay(*S.Record, *Board, Painter);
            // Where the viewer opens the record (the start of a standard SGF record), or --to.
            if (To) {
                GoToMove(*Board, *To);
            } else {
                StepBackTo(*Board, OpeningMove(*S.Record, *Board));
            }
        }
        if (Numbers) ShowMoveNumbers(*Board, Painter);
        // The record's marks of the position shown, as the viewer draws them.
        TNumberGrid Marks{};
        if (S.Result.Shown && MarksOfMove(*S.Record, Board->MoveIndex(), Marks)) {
            Painter.LoadMarks(Marks);
        }

        return WritePicture(Canvas.Snapshot(), Out->second);
    } catch (const TResourceNotFound& E) {
        PrintError(E.what());
        return kExitFailed;
    }
}

}  // namespace xvexo::cli
