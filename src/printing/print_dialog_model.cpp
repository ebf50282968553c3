#include "printing/print_dialog_model.h"

#include <optional>

#include "printing/print_font.h"
#include "records/record_error.h"

namespace xvexo {

namespace {

std::optional<int32_t> Integer(const TEditField& F) {
    return ParseDecimal(F.Text);
}

// Keeps a margin field within Low..High; text that is no integer becomes Default.
void CheckMargin(TEditField& F, int32_t Default, int32_t Low, int32_t High) {
    const std::optional<int32_t> V = Integer(F);
    if (!V) {
        F.Text = std::to_string(Default);
    } else if (*V < Low) {
        F.Text = std::to_string(Low);
    } else if (*V > High) {
        F.Text = std::to_string(High);
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
        edSPos.Text = "0";
        edEPos.Text = "0";
    } else {
        edSPos.Text = "1";
        edEPos.Text = std::to_string(Total);
    }
    RangeCaption = "共 " + std::to_string(Total) + " 手";
}

void TOwnkFormModel::FormShow(int32_t Width, int32_t Height) {
    PageWidth = Width;
    PageHeight = Height;
    const TPrintOptions& O = Status.Options();
    edTMar.Text = std::to_string(O.tmargin);
    edLMar.Text = std::to_string(O.lmargin);
    edGrid.Text = std::to_string(O.gogrid);
    edDNum.Text = std::to_string(O.splitno);
    cbNDiv.ItemIndex = O.perpage >= 0 && O.perpage <= 2 ? O.perpage : -1;
    edWidth.Text = std::to_string(PageWidth);
    edHeight.Text = std::to_string(PageHeight);
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
    CheckMargin(edTMar, 500, 200, 500);
    CheckMargin(edLMar, 400, 200, 400);
    // The fit below uses the cell size as entered, before the raise to 90.
    std::optional<int32_t> Cell = Integer(edGrid);
    if (!Cell) {
        Cell = 185;
        edGrid.Text = "185";
    }
    if (*Cell < 90) edGrid.Text = "90";
    // edWidth is editable; when it holds no integer the printer's own width is used.
    const int64_t Width = Integer(edWidth).value_or(PageWidth);
    const int64_t Left = Integer(edLMar).value_or(400);
    if (2 * Left + 19 * int64_t{*Cell} > Width) {
        edGrid.Text = std::to_string((Width - 2 * Left) / 19);
    }
}

void TOwnkFormModel::edSPosExit() {
    int32_t V = Integer(edSPos).value_or(0);
    if (!Integer(edSPos)) edSPos.Text = "0";
    if (V <= 0 && TotalMoves != 0) {
        V = 1;
        edSPos.Text = "1";
    }
    if (V > Integer(edEPos).value_or(TotalMoves)) edSPos.Text = edEPos.Text;
}

void TOwnkFormModel::edEPosExit() {
    int32_t V = Integer(edEPos).value_or(TotalMoves);
    if (!Integer(edEPos)) edEPos.Text = std::to_string(TotalMoves);
    if (V <= 0 || V > TotalMoves) {
        V = TotalMoves;
        edEPos.Text = std::to_string(TotalMoves);
    }
    if (V < Integer(edSPos).value_or(0)) edEPos.Text = edSPos.Text;
}

void TOwnkFormModel::edDNumExit() {
    int32_t V = Integer(edDNum).value_or(50);
    if (!Integer(edDNum)) edDNum.Text = "50";
    if (V < 1 && TotalMoves != 0) {
        V = 1;
        edDNum.Text = "1";
    }
    if (V > TotalMoves) edDNum.Text = std::to_string(TotalMoves);
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
    V.TopMargin = Integer(edTMar).value_or(500);
    V.LeftMargin = Integer(edLMar).value_or(400);
    V.GridSize = Integer(edGrid).value_or(185);
    V.RangeStart = Integer(edSPos).value_or(0);
    V.RangeEnd = Integer(edEPos).value_or(TotalMoves);
    V.MovesPerDiagram = Integer(edDNum).value_or(50);
    V.PerPageIndex = cbNDiv.ItemIndex;
    V.RangeSelected = rbRange;
    V.SplitSelected = rbSplit;
    V.PageWidth = PageWidth;
    V.PageHeight = PageHeight;
    V.TotalMoves = TotalMoves;
    return V;
}

}  // namespace xvexo
