// The print dialog's logic: the fields it shows, the checks when the focus leaves a field, the
// enabling of the range and split controls, and what confirming and cancelling store.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "printing/print_dialog_model.h"
#include "support/memory_registry.h"

namespace xvexo {
namespace {

using testing::TMemoryRegistry;

struct TDialogFixture {
    TMemoryRegistry Registry;
    TPrintOptions Options;
    TKelStatus Status{Registry, Options};
    TOwnkFormModel Dialog{Status};

    // Creates and shows the dialog for a record of Total moves on a page 4800 x 6600.
    void Open(int32_t Total, const TPrintOptions& Stored = {}) {
        Options = Stored;
        Dialog.FormCreate();
        Dialog.SetGameInfo(Total, TGamePInfo{});
        Dialog.FormShow(4800, 6600);
    }
};

class PrintDialogModel : public ::testing::Test, public TDialogFixture {};

TEST_F(PrintDialogModel, ShowsTheStoredOptionsAndTheRecordsRange) {
    Open(120, {450, 300, 150, 40, 1, 1});
    EXPECT_EQ(Dialog.PrintFontName, "宋体");
    EXPECT_EQ(Dialog.edSPos.Text, "1");
    EXPECT_EQ(Dialog.edEPos.Text, "120");
    EXPECT_EQ(Dialog.RangeCaption, "共 120 手");
    EXPECT_EQ(Dialog.edTMar.Text, "450");
    EXPECT_EQ(Dialog.edLMar.Text, "300");
    EXPECT_EQ(Dialog.edGrid.Text, "150");
    EXPECT_EQ(Dialog.edDNum.Text, "40");
    EXPECT_EQ(Dialog.cbNDiv.ItemIndex, 1);
    EXPECT_EQ(Dialog.edWidth.Text, "4800");
    EXPECT_EQ(Dialog.edHeight.Text, "6600");
    EXPECT_TRUE(Dialog.rbTotal);
    EXPECT_FALSE(Dialog.edSPos.Enabled || Dialog.edEPos.Enabled || Dialog.edDNum.Enabled ||
                 Dialog.cbNDiv.Enabled);
    EXPECT_EQ(Dialog.ModalResult, TModalResult::None);
}

TEST_F(PrintDialogModel, StoredMethodSelectsItsRadioButton) {
    struct TCase {
        int32_t Method;
        bool Total, Range, Split, RangeFields, SplitFields;
    };
    const TCase Cases[] = {
        {1, true, false, false, false, false},  {2, false, true, false, true, false},
        {3, false, false, true, false, true},   {4, false, false, false, false, false},
        {0, false, false, false, false, false},
    };
    for (const TCase& C : Cases) {
        TDialogFixture F;
        TPrintOptions O;
        O.method = C.Method;
        F.Open(120, O);
        const TOwnkFormModel& D = F.Dialog;
        EXPECT_EQ(D.rbTotal, C.Total) << C.Method;
        EXPECT_EQ(D.rbRange, C.Range) << C.Method;
        EXPECT_EQ(D.rbSplit, C.Split) << C.Method;
        EXPECT_EQ(D.edSPos.Enabled, C.RangeFields) << C.Method;
        EXPECT_EQ(D.edEPos.Enabled, C.RangeFields) << C.Method;
        EXPECT_EQ(D.edDNum.Enabled, C.SplitFields) << C.Method;
        EXPECT_EQ(D.cbNDiv.Enabled, C.SplitFields) << C.Method;
    }
}

TEST_F(PrintDialogModel, PageChoiceOutsideTheListSelectsNothing) {
    for (int32_t P : {-1, 3, 100}) {
        TDialogFixture F;
        TPrintOptions O;
        O.perpage = P;
        F.Open(10, O);
        EXPECT_EQ(F.Dialog.cbNDiv.ItemIndex, -1) << P;
    }
}

// Each row: the field's text before the focus leaves it, and after.
struct TFieldCase {
    const char* Field;
    std::string Before;
    std::string After;
};

TEST_F(PrintDialogModel, PageFieldsAreKeptWithinTheirLimits) {
    const TFieldCase Cases[] = {
        {"T", "abc", "500"}, {"T", "150", "200"}, {"T", "900", "500"}, {"T", "200", "200"},
        {"T", "", "500"},    {"L", "399", "399"}, {"L", "401", "400"}, {"L", "x1", "400"},
        {"L", "199", "200"}, {"G", "50", "90"},   {"G", "abc", "185"}, {"G", "200", "200"},
        {"G", "400", "210"},
    };
    for (const TFieldCase& C : Cases) {
        TDialogFixture F;
        F.Open(120);
        TOwnkFormModel& D = F.Dialog;
        TEditField& E = C.Field[0] == 'T' ? D.edTMar : C.Field[0] == 'L' ? D.edLMar : D.edGrid;
        E.Text = C.Before;
        D.EditExit();
        EXPECT_EQ(E.Text, C.After) << C.Field << " " << C.Before;
    }
}

TEST_F(PrintDialogModel, CellSizeFitsTheWidthWithTheSizeAsEntered) {
    Open(120);
    // 2 x 400 + 19 x 400 > 4800: (4800 - 800) / 19.
    Dialog.edGrid.Text = "400";
    Dialog.ValidatePageFields();
    EXPECT_EQ(Dialog.edGrid.Text, "210");
    // The fit uses the margin as checked: 600 becomes 400 first.
    Dialog.edLMar.Text = "600";
    Dialog.edGrid.Text = "400";
    Dialog.ValidatePageFields();
    EXPECT_EQ(Dialog.edGrid.Text, "210");
    // A narrow width applies no minimum after the fit.
    Dialog.edWidth.Text = "1000";
    Dialog.edGrid.Text = "100";
    Dialog.ValidatePageFields();
    EXPECT_EQ(Dialog.edGrid.Text, "10");
    // A width that is no integer: the printer's own.
    Dialog.edWidth.Text = "wide";
    Dialog.edGrid.Text = "100000";
    Dialog.ValidatePageFields();
    EXPECT_EQ(Dialog.edGrid.Text, "210");
    // Leaving one field checks all three.
    Dialog.edWidth.Text = "4800";
    Dialog.edTMar.Text = "1";
    Dialog.edLMar.Text = "1";
    Dialog.edGrid.Text = "1";
    Dialog.EditExit();
    EXPECT_EQ(Dialog.edTMar.Text, "200");
    EXPECT_EQ(Dialog.edLMar.Text, "200");
    EXPECT_EQ(Dialog.edGrid.Text, "90");
}

TEST_F(PrintDialogModel, RangeAndSplitFieldsOnLeaving) {
    struct TCase {
        int32_t Total;
        const char *Start, *End, *Field, *Text, *Expected;
    };
    const TCase Cases[] = {
        {120, "30", "20", "S", "30", "20"},   {120, "1", "120", "E", "0", "120"},
        {120, "1", "120", "E", "abc", "120"}, {120, "1", "120", "E", "121", "120"},
        {120, "50", "120", "E", "40", "50"},  {120, "1", "120", "S", "x", "1"},
        {120, "1", "120", "S", "-5", "1"},    {120, "1", "120", "S", "60", "60"},
        {0, "0", "0", "S", "-3", "-3"},       {0, "0", "0", "S", "x", "0"},
        {0, "0", "0", "E", "5", "0"},         {120, "", "", "D", "0", "1"},
        {120, "", "", "D", "500", "120"},     {120, "", "", "D", "x", "50"},
        {120, "", "", "D", "-4", "1"},        {0, "", "", "D", "5", "0"},
        {0, "", "", "D", "-2", "-2"},
    };
    for (const TCase& C : Cases) {
        TDialogFixture F;
        F.Open(C.Total);
        TOwnkFormModel& D = F.Dialog;
        if (*C.Start) D.edSPos.Text = C.Start;
        if (*C.End) D.edEPos.Text = C.End;
        TEditField& E = C.Field[0] == 'S' ? D.edSPos : C.Field[0] == 'E' ? D.edEPos : D.edDNum;
        E.Text = C.Text;
        if (C.Field[0] == 'S') D.edSPosExit();
        if (C.Field[0] == 'E') D.edEPosExit();
        if (C.Field[0] == 'D') D.edDNumExit();
        EXPECT_EQ(E.Text, C.Expected) << C.Total << " " << C.Field << " " << C.Text;
    }
}

TEST_F(PrintDialogModel, EmptyRecordShowsARangeOfZero) {
    Open(0);
    EXPECT_EQ(Dialog.edSPos.Text, "0");
    EXPECT_EQ(Dialog.edEPos.Text, "0");
    EXPECT_EQ(Dialog.RangeCaption, "共 0 手");
}

TEST_F(PrintDialogModel, ChoosingTotalAfterRangeKeepsTheEditedRangeDisabled) {
    Open(120);
    Dialog.ClickRange();
    EXPECT_TRUE(Dialog.edSPos.Enabled && Dialog.edEPos.Enabled);
    Dialog.edSPos.Text = "30";
    Dialog.edEPos.Text = "80";
    Dialog.ClickTotal();
    EXPECT_TRUE(Dialog.rbTotal);
    EXPECT_FALSE(Dialog.rbRange);
    EXPECT_EQ(Dialog.edSPos.Text, "30");
    EXPECT_EQ(Dialog.edEPos.Text, "80");
    EXPECT_FALSE(Dialog.edSPos.Enabled || Dialog.edEPos.Enabled);
    Dialog.ClickSplit();
    EXPECT_TRUE(Dialog.rbSplit && !Dialog.rbTotal && !Dialog.rbRange);
    EXPECT_TRUE(Dialog.edDNum.Enabled && Dialog.cbNDiv.Enabled);
    EXPECT_FALSE(Dialog.edSPos.Enabled || Dialog.edEPos.Enabled);
    Dialog.ClickRange();
    EXPECT_FALSE(Dialog.rbSplit || Dialog.edDNum.Enabled || Dialog.cbNDiv.Enabled);
}

TEST_F(PrintDialogModel, ConfirmingStoresAndWritesTheFields) {
    Open(120);
    Dialog.edTMar.Text = "300";
    Dialog.edLMar.Text = "250";
    Dialog.edGrid.Text = "150";
    Dialog.edDNum.Text = "30";
    Dialog.cbNDiv.ItemIndex = 0;
    Dialog.ClickSplit();
    Dialog.OkBtnClick();
    EXPECT_EQ(Dialog.ModalResult, TModalResult::Ok);
    EXPECT_EQ(Options, (TPrintOptions{300, 250, 150, 30, 0, kMethodSplit}));
    const std::string Key = "Software\\KelVexoView\\Print Option Info";
    EXPECT_EQ(Registry.ReadString(Key, "tmargin"), "300");
    EXPECT_EQ(Registry.ReadString(Key, "perpage"), "0");
    EXPECT_EQ(Registry.ReadString(Key, "method"), "3");
    // What the job reads back.
    const TPrintJobValues V = Dialog.JobValues();
    EXPECT_EQ(V.TopMargin, 300);
    EXPECT_EQ(V.LeftMargin, 250);
    EXPECT_EQ(V.GridSize, 150);
    EXPECT_EQ(V.RangeStart, 1);
    EXPECT_EQ(V.RangeEnd, 120);
    EXPECT_EQ(V.MovesPerDiagram, 30);
    EXPECT_EQ(V.PerPageIndex, 0);
    EXPECT_TRUE(V.SplitSelected);
    EXPECT_FALSE(V.RangeSelected);
    EXPECT_EQ(V.PageWidth, 4800);
    EXPECT_EQ(V.PageHeight, 6600);
    EXPECT_EQ(V.TotalMoves, 120);
}

TEST_F(PrintDialogModel, NoMethodAndNoPageChoiceAreStoredAsSuch) {
    TPrintOptions O;
    O.method = 4;
    O.perpage = 5;
    Open(120, O);
    Dialog.OkBtnClick();
    EXPECT_EQ(Options.method, 4);
    EXPECT_EQ(Options.perpage, -1);
    EXPECT_EQ(Registry.ReadString("Software\\KelVexoView\\Print Option Info", "method"), "4");
}

TEST_F(PrintDialogModel, CancellingStoresNothing) {
    Open(120);
    const TMemoryRegistry::TKeys Before = Registry.Keys;
    const TPrintOptions OptionsBefore = Options;
    for (TEditField* E : {&Dialog.edTMar, &Dialog.edLMar, &Dialog.edGrid, &Dialog.edSPos,
                          &Dialog.edEPos, &Dialog.edDNum}) {
        E->Text = "321";
    }
    Dialog.ClickSplit();
    Dialog.cbNDiv.ItemIndex = 0;
    Dialog.EditExit();
    Dialog.CCBtnClick();
    EXPECT_EQ(Dialog.ModalResult, TModalResult::Cancel);
    EXPECT_EQ(Registry.Keys, Before);
    EXPECT_EQ(Options, OptionsBefore);
}

TEST_F(PrintDialogModel, FailedWriteKeepsTheDialogOpen) {
    Open(120);
    Registry.ReadOnly = true;
    Dialog.edTMar.Text = "300";
    EXPECT_THROW(Dialog.OkBtnClick(), TPrintSettingsError);
    EXPECT_EQ(Dialog.ModalResult, TModalResult::None);
}

}  // namespace
}  // namespace xvexo
