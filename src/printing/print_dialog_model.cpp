#include "printing/print_dialog_model.h"

#include <optional>

#include "display/interface_text.h"
#include "printing/diagram_grid.h"
#include "printing/print_font.h"
#include "records/record_error.h"

namespace xvexo {

namespace {

// What the checks replace unreadable text by (the default options), and their limits.
constexpr TPrintOptions kDefaults;
constexpr int32_t kMinMargin = 200;
constexpr int32_t kMaxTopMargin = 500;
constexpr int32_t kMaxLeftMargin = 400;
constexpr int32_t kMinCell = 90;

// The field shows the decimal text of V.
void Show(TEditField& F, int64_t V) {
    F.Text = std::to_string(V);
}

std::optional<int32_t> Integer(const TEditField& F) {
    return ParseDecimal(F.Text);
}

// Keeps a margin field within Low..High; text that is no integer becomes Default.
void CheckMargin(TEditField& F, int32_t Default, int32_t Low, int32_t High) {
    const std::optional<int32_t> V = Integer(F);
    if (!V) {
        Show(F, Default);
    } else if (*V < Low) {
        Show(F, Low);
    } else if (*V > High) {
        Show(F, High);
    }
}

}  // namespace

TOwnkFormModel::TOwnkFormModel(TKelStatus& Status) : Status(Status) {
    edSPos.Enabled = false;
    edEPos.Enabled = false;
    edDNum.Enabled = false;
    cbNDiv.Enabled = false;
}

void TOwnkFormModel::FormCreate() {
    PrintFontName = kPrintFontName;
}

void TOwnkFormModel::SetGameInfo(int32_t Total, const TGamePInfo& Info) {
    TotalMoves = Total;
    PrintGameInfo = Info;
    if (Total < 1) {
        Show(edSPos, 0);
        Show(edEPos, 0);
    } else {
        Show(edSPos, 1);
        Show(edEPos, Total);
    }
    WriteRangeCaption();
}

void TOwnkFormModel::SetTranslator(const TTranslator& NewTranslator) {
    Translator = &NewTranslator;
    WriteRangeCaption();
}

void TOwnkFormModel::WriteRangeCaption() {
    RangeCaption =
        FillArguments(Translator->Translate("PrintDialog", XV_TEXT("PrintDialog", "共 %1 手")),
                      {std::to_string(TotalMoves)});
}

void TOwnkFormModel::FormShow(int32_t Width, int32_t Height) {
    PageWidth = Width;
    PageHeight = Height;
    const TPrintOptions& O = Status.Options();
    Show(edTMar, O.tmargin);
    Show(edLMar, O.lmargin);
    Show(edGrid, O.gogrid);
    Show(edDNum, O.splitno);
    cbNDiv.ItemIndex = O.perpage >= 0 && O.perpage <= 2 ? O.perpage : -1;
    Show(edWidth, PageWidth);
    Show(edHeight, PageHeight);
    switch (O.method) {
        case kMethodWhole:
            ClickTotal();
            break;
        case kMethodRange:
            ClickRange();
            break;
        case kMethodSplit:
            ClickSplit();
            break;
        default:
            break;
    }
}

void TOwnkFormModel::ClickTotal() {
    rbTotal = true;
    rbRange = rbSplit = false;
    rbRangeClick();
}

void TOwnkFormModel::ClickRange() {
    rbRange = true;
    rbTotal = rbSplit = false;
    rbRangeClick();
}

void TOwnkFormModel::ClickSplit() {
    rbSplit = true;
    rbTotal = rbRange = false;
    rbSplitClick();
}

void TOwnkFormModel::rbRangeClick() {
    edDNum.Enabled = false;
    cbNDiv.Enabled = false;
    rbSplit = false;
    edSPos.Enabled = rbRange;
    edEPos.Enabled = rbRange;
}

void TOwnkFormModel::rbSplitClick() {
    rbTotal = false;
    rbRange = false;
    edSPos.Enabled = false;
    edEPos.Enabled = false;
    cbNDiv.Enabled = true;
    edDNum.Enabled = rbSplit;
}

void TOwnkFormModel::ValidatePageFields() {
    CheckMargin(edTMar, kDefaults.tmargin, kMinMargin, kMaxTopMargin);
    CheckMargin(edLMar, kDefaults.lmargin, kMinMargin, kMaxLeftMargin);
    // The fit below uses the cell size as entered, before the raise to the minimum.
    std::optional<int32_t> Cell = Integer(edGrid);
    if (!Cell) {
        Cell = kDefaults.gogrid;
        Show(edGrid, *Cell);
    }
    if (*Cell < kMinCell) Show(edGrid, kMinCell);
    // The board's lines and both margins must fit the width. edWidth is editable; when it
    // holds no integer the printer's own width is used.
    const int64_t Width = Integer(edWidth).value_or(PageWidth);
    const int64_t Left = Integer(edLMar).value_or(kDefaults.lmargin);
    if (2 * Left + kPrintBoardLines * int64_t{*Cell} > Width) {
        Show(edGrid, (Width - 2 * Left) / kPrintBoardLines);
    }
}

void TOwnkFormModel::edSPosExit() {
    int32_t V = Integer(edSPos).value_or(0);
    if (!Integer(edSPos)) Show(edSPos, 0);
    if (V <= 0 && TotalMoves != 0) {
        V = 1;
        Show(edSPos, 1);
    }
    if (V > Integer(edEPos).value_or(TotalMoves)) edSPos.Text = edEPos.Text;
}

void TOwnkFormModel::edEPosExit() {
    int32_t V = Integer(edEPos).value_or(TotalMoves);
    if (!Integer(edEPos)) Show(edEPos, TotalMoves);
    if (V <= 0 || V > TotalMoves) {
        V = TotalMoves;
        Show(edEPos, TotalMoves);
    }
    if (V < Integer(edSPos).value_or(0)) edEPos.Text = edSPos.Text;
}

void TOwnkFormModel::edDNumExit() {
    int32_t V = Integer(edDNum).value_or(kDefaults.splitno);
    if (!Integer(edDNum)) Show(edDNum, V);
    if (V < 1 && TotalMoves != 0) {
        V = 1;
        Show(edDNum, 1);
    }
    if (V > TotalMoves) Show(edDNum, TotalMoves);
}

void TOwnkFormModel::StoreFields() {
    const TPrintJobValues V = JobValues();
    TPrintOptions& O = Status.Options();
    O.perpage = cbNDiv.ItemIndex;
    O.tmargin = V.TopMargin;
    O.lmargin = V.LeftMargin;
    O.gogrid = V.GridSize;
    O.splitno = V.MovesPerDiagram;
    O.method = rbTotal   ? kMethodWhole
               : rbRange ? kMethodRange
               : rbSplit ? kMethodSplit
                         : kMethodNone;
}

void TOwnkFormModel::OkBtnClick() {
    StoreFields();
    Status.SyncSection(kPrintOptionSection, kSyncWrite, false);
    ModalResult = TModalResult::Ok;
}

TPrintJobValues TOwnkFormModel::JobValues() const {
    TPrintJobValues V;
    V.TopMargin = Integer(edTMar).value_or(kDefaults.tmargin);
    V.LeftMargin = Integer(edLMar).value_or(kDefaults.lmargin);
    V.GridSize = Integer(edGrid).value_or(kDefaults.gogrid);
    V.RangeStart = Integer(edSPos).value_or(0);
    V.RangeEnd = Integer(edEPos).value_or(TotalMoves);
    V.MovesPerDiagram = Integer(edDNum).value_or(kDefaults.splitno);
    V.PerPageIndex = cbNDiv.ItemIndex;
    V.RangeSelected = rbRange;
    V.SplitSelected = rbSplit;
    V.PageWidth = PageWidth;
    V.PageHeight = PageHeight;
    V.TotalMoves = TotalMoves;
    return V;
}

}  // namespace xvexo
