#pragma once
// The print dialog's logic without widgets: the texts of its fields, which controls are enabled
// and selected, the checks run when the focus leaves a field, and what confirming writes. A
// form shows this state and calls the handlers; tests call them directly.

#include <cstdint>
#include <string>

#include "display/translator.h"
#include "printing/game_print_info.h"
#include "printing/print_settings.h"

namespace xvexo {

struct TEditField {
    std::string Text;
    bool Enabled = true;
};

struct TChoiceField {
    int ItemIndex = -1;  // -1: no item selected
    bool Enabled = true;
};

enum class TModalResult { None, Ok, Cancel };

// The integers the print job reads back after the dialog was confirmed.
struct TPrintJobValues {
    int32_t TopMargin = 500;       // edTMar
    int32_t LeftMargin = 400;      // edLMar
    int32_t GridSize = 185;        // edGrid
    int32_t RangeStart = 1;        // edSPos
    int32_t RangeEnd = 0;          // edEPos
    int32_t MovesPerDiagram = 50;  // edDNum
    int32_t PerPageIndex = 2;      // cbNDiv
    bool RangeSelected = false;    // rbRange
    bool SplitSelected = false;    // rbSplit
    int32_t PageWidth = 0;
    int32_t PageHeight = 0;
    int32_t TotalMoves = 0;
};

class TOwnkFormModel {
  public:
    // Status holds the print options the dialog shows and writes.
    explicit TOwnkFormModel(TKelStatus& Status);

    // Dialog creation: the face of the printed text.
    void FormCreate();
    // The dialog's texts come from Translator from now on (it must outlive the model or be
    // replaced first); RangeCaption is written again at once.
    void SetTranslator(const TTranslator& Translator);
    // Before showing: the total of moves (range 1..total, or 0..0 below 1) and the game
    // information that reaches the page.
    void SetGameInfo(int32_t TotalMoves, const TGamePInfo& Info);
    // Showing, with the printer's printable size in dots: the fields take the stored options,
    // the radio button of the stored method is selected (none for another value) and the
    // enabling rules apply.
    void FormShow(int32_t PageWidth, int32_t PageHeight);

    // A click on rbTotal, rbRange or rbSplit: selects it and runs its handler.
    void ClickTotal();
    void ClickRange();
    void ClickSplit();
    // Handlers of the radio buttons (rbRangeClick serves rbTotal and rbRange).
    void rbRangeClick();
    void rbSplitClick();

    // The focus left edTMar, edLMar or edGrid: all three are checked.
    void EditExit() { ValidatePageFields(); }
    void ValidatePageFields();
    void edSPosExit();
    void edEPosExit();
    void edDNumExit();

    // Copies the fields into the print options and writes them; then the result is Ok.
    // Throws TPrintSettingsError (result unchanged) when the registry cannot be written.
    void OkBtnClick();
    void CCBtnClick() { ModalResult = TModalResult::Cancel; }

    // Steps 1-3 of OkBtnClick: the fields into the print options, nothing written.
    void StoreFields();
    // The integers of the fields as the print job reads them; a field that holds no integer
    // reads as the value its check would give.
    TPrintJobValues JobValues() const;

    TEditField edHeight, edWidth, edTMar, edLMar, edGrid, edSPos, edEPos, edDNum;
    TChoiceField cbNDiv;
    bool rbTotal = false, rbRange = false, rbSplit = false;
    std::string RangeCaption;  // the Range label: "共 N 手"

    int32_t TotalMoves = 0;
    int32_t PageWidth = 0;
    int32_t PageHeight = 0;
    std::string PrintFontName;
    TGamePInfo PrintGameInfo;
    TModalResult ModalResult = TModalResult::None;

  private:
    void WriteRangeCaption();

    TKelStatus& Status;
    const TTranslator* Translator = &SourceTexts();
};

}  // namespace xvexo
