// The print button: the print command for the shown game.

#include <memory>
#include <optional>

#include "control/xvexo_view.h"
#include "platform/print_status.h"
#include "printing/game_print_info.h"

namespace xvexo {

void TXVexoView::printBtnClick() {
    TKelStatus* Status = Services.PrintStatus ? Services.PrintStatus : ProgramPrintStatus();
    if (Status == nullptr) {
        // A host that did not start the print status at load: it starts now.
        std::optional<TPrintSettingsError> LoadError;
        Status = &StartPrintStatus(&LoadError);
        if (LoadError) ShowError(QString::fromStdString(LoadError->Details()));
    }
    const TGoBoard& Board = Model->board();
    TMoveCoords Moves;
    Board.GetMoveCoords(Board.EndIndex(), Moves);
    auto Game = std::make_unique<TPosition>();
    Board.GetPosition(*Game);
    TPrintServices Print = Services.Print;
    if (!Print.ShowError)
        Print.ShowError = [this](QWidget&, const QString& Text) { ShowError(Text); };
    RunPrintCommand(*this, *Status, Moves,
                    DiagramStartOf(Model->record(), *Game, Model->gameInfo().Handicap),
                    MakeGamePInfo(Model->record(), Model->encoding()), Print);
}

}  // namespace xvexo
