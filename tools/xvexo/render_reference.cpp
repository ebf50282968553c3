#include "render_reference.h"

#include <charconv>
#include <memory>

#include "display/image_set_chooser.h"
#include "display/reference_window_model.h"
#include "platform/qimage_canvas.h"
#include "records/diagram_link.h"
#include "records/record_loader.h"

namespace xvexo::cli {

namespace {

// A whole number of decimal digits alone.
std::optional<int32_t> Digits(std::string_view Text) {
    int32_t Value = 0;
    const char* End = Text.data() + Text.size();
    const auto [Ptr, Ec] = std::from_chars(Text.data(), End, Value);
    if (Text.empty() || Text[0] == '-' || Ec != std::errc() || Ptr != End) return std::nullopt;
    return Value;
}

}  // namespace

std::optional<TReferenceLink> ParseReferenceLink(const std::string& Text) {
    const size_t Dash = Text.find('-');
    if (Dash == std::string::npos) return std::nullopt;
    const auto Move = Digits(std::string_view(Text).substr(0, Dash));
    const auto Number = Digits(std::string_view(Text).substr(Dash + 1));
    if (!Move || !Number || *Number < 1) return std::nullopt;
    return TReferenceLink{*Move, *Number};
}

bool DrawReference(const TGameRecord& Record, TReferenceLink Link, std::optional<int> Cell,
                   TImageSource& Images, TQImageCanvas& Canvas, std::string& Error) {
    TGoBoard Main;
    ReplayRecord(Record, Main);
    if (Link.Move > 0) {
        GoToMove(Main, Link.Move);
    } else {
        GoToStart(Main);
    }
    const TNoteRec* Note = FindDiagramNote(Record, Main.MoveIndex(), Link.Number);
    if (!Note) {
        Error = "Move " + std::to_string(Main.MoveIndex()) + " has no diagram " +
                std::to_string(Link.Number);
        return false;
    }

    const auto BaseB = Images.Load("baseb");
    const auto BEdge = Images.Load("bedge");
    const auto GEdge = Images.Load("gedge");
    TCHelpFormModel Window(Canvas, Images, *BaseB, *BEdge, *GEdge);
    Window.FormCreate();
    auto Snapshot = std::make_unique<TPosition>();
    Main.GetPosition(*Snapshot);
    Window.Initialise(*Snapshot);
    Window.FormShow();
    Window.ShowCode(Note->Text);
    if (Cell) LoadImageSet(Window.Painter(), Images, Window.Painter().Lines() * *Cell);
    return true;
}

}  // namespace xvexo::cli
