// xvexo print: the print job the print dialog would run after the user confirmed the values
// given, on a PDF printer at 600 dots per inch. The dialog starts from the stored print options,
// which are read as the viewer loads them and never written; each value given is typed into its
// field and checked by the dialog's own check when the field is left.

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "commands.h"
#include "gui_start.h"
#include "load_source.h"
#include "platform/output_file.h"
#include "platform/qt_print_surface.h"
#include "platform/reg_file_registry.h"
#include "printing/game_print_info.h"
#include "printing/printed_pages.h"

namespace xvexo::cli {

namespace {

// What to print and the values given for the dialog's fields, as typed.
struct TPrintChoice {
    std::optional<int32_t> Method;  // kMethodWhole, kMethodRange or kMethodSplit
    std::string RangeStart, RangeEnd, MovesPerDiagram;
    std::optional<int> PerPageIndex;  // the index of "1", "2" or "4"
    std::map<std::string, std::string> PageFields;
    QPageSize::PageSizeId Paper = QPageSize::A4;
    std::string Output;
};

// Reads the command line into L and Choice; the usage error, or "".
std::string ParsePrintLine(const TArgs& Args, TCommandLine& L, TPrintChoice& Choice) {
    // --whole takes no value and --range two; the other options one each.
    TArgs Rest;
    int Methods = 0;
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == "--whole") {
            Choice.Method = kMethodWhole;
            ++Methods;
        } else if (Args[i] == "--range") {
            if (i + 2 >= Args.size()) return "--range needs two values: --range A B";
            Choice.Method = kMethodRange;
            Choice.RangeStart = Args[++i];
            Choice.RangeEnd = Args[++i];
            ++Methods;
        } else {
            Rest.push_back(Args[i]);
        }
    }
    L = ParseCommandLine(Rest, {"--split", "--per-page", "--top-margin", "--left-margin", "--grid",
                                "--paper", "-o"});
    if (!L.Error.empty()) return L.Error;
    const auto Value = [&L](const std::string& Name) -> const std::string* {
        const auto It = L.Values.find(Name);
        return It == L.Values.end() ? nullptr : &It->second;
    };
    if (const std::string* N = Value("--split")) {
        Choice.Method = kMethodSplit;
        Choice.MovesPerDiagram = *N;
        ++Methods;
    }
    if (Methods > 1) return "give one of --whole, --range A B and --split N";
    if (const std::string* P = Value("--per-page")) {
        if (Choice.Method != kMethodSplit) return "--per-page goes with --split N";
        if (*P == "1") {
            Choice.PerPageIndex = 0;
        } else if (*P == "2") {
            Choice.PerPageIndex = 1;
        } else if (*P == "4") {
            Choice.PerPageIndex = 2;
        } else {
            return "--per-page must be 1, 2 or 4";
        }
    }
    for (const char* Name : {"--top-margin", "--left-margin", "--grid"}) {
        if (const std::string* V = Value(Name)) Choice.PageFields[Name] = *V;
    }
    if (const std::string* Paper = Value("--paper")) {
        if (*Paper == "letter") {
            Choice.Paper = QPageSize::Letter;
        } else if (*Paper != "a4") {
            return "--paper must be a4 or letter";
        }
    }
    const std::string* Out = Value("-o");
    if (Out == nullptr || Out->empty()) return "-o FILE.pdf is missing";
    Choice.Output = *Out;
    return {};
}

// One value typed into a field of the dialog and checked as the focus leaves it.
struct TTyped {
    const char* Option;
    std::string Text;
    TEditField* Field;
};

// Types the values of Choice into Dialog in the dialog's order (the page fields, then the
// choice of what to print and its fields), leaving each field after typing, and chooses the page
// choice. Returns a note for every value the checks changed.
std::vector<std::string> ChooseInDialog(TOwnkFormModel& Dialog, const TPrintChoice& Choice) {
    std::vector<TTyped> Typed;
    const auto Type = [&Typed](const char* Option, const std::string& Text, TEditField& Field,
                               const std::function<void()>& Leave) {
        Field.Text = Text;
        Leave();
        Typed.push_back({Option, Text, &Field});
    };
    const std::pair<const char*, TEditField*> PageFields[] = {{"--top-margin", &Dialog.edTMar},
                                                              {"--left-margin", &Dialog.edLMar},
                                                              {"--grid", &Dialog.edGrid}};
    for (const auto& [Option, Field] : PageFields) {
        const auto It = Choice.PageFields.find(Option);
        if (It != Choice.PageFields.end())
            Type(Option, It->second, *Field, [&] { Dialog.EditExit(); });
    }
    if (Choice.Method == kMethodWhole) Dialog.ClickTotal();
    if (Choice.Method == kMethodRange) {
        Dialog.ClickRange();
        Type("--range", Choice.RangeStart, Dialog.edSPos, [&] { Dialog.edSPosExit(); });
        Type("--range", Choice.RangeEnd, Dialog.edEPos, [&] { Dialog.edEPosExit(); });
    }
    if (Choice.Method == kMethodSplit) {
        Dialog.ClickSplit();
        Type("--split", Choice.MovesPerDiagram, Dialog.edDNum, [&] { Dialog.edDNumExit(); });
        if (Choice.PerPageIndex) Dialog.cbNDiv.ItemIndex = *Choice.PerPageIndex;
    }
    std::vector<std::string> Notes;
    for (const TTyped& T : Typed) {
        if (T.Field->Text != T.Text) {
            Notes.push_back(std::string(T.Option) + " " + T.Text + " was taken as " +
                            T.Field->Text + ", as the print dialog takes it");
        }
    }
    return Notes;
}

}  // namespace

int RunPrint(const TArgs& Args) {
    TCommandLine L;
    TPrintChoice Choice;
    if (const std::string Error = ParsePrintLine(Args, L, Choice); !Error.empty()) {
        PrintError(Error);
        return kExitUsage;
    }
    TLoadedSource S = LoadSource(L.Source, L.Format);
    if (S.Result.Failed()) {
        PrintError(S.Result.Error);
        return kExitFailed;
    }
    TMoveCoords Moves;
    S.Board->GetMoveCoords(S.Board->EndIndex(), Moves);
    auto Game = std::make_unique<TPosition>();
    S.Board->GetPosition(*Game);

    const auto App = StartGui();
    // The job is printed into a file of our own; its bytes then go to the output file (named in
    // bytes, as given), so an output that cannot be written in full is one line of ours.
    const QTemporaryDir Work;
    if (!Work.isValid()) {
        PrintError("Cannot write the output: " + Work.errorString().toStdString());
        return kExitFailed;
    }
    const QString Job = Work.filePath(QStringLiteral("job.pdf"));
    auto Surface = TQtPrintSurface::ForPdf(Job, Choice.Paper);

    // The stored options, loaded as the viewer loads them, through a view that stores nothing.
    const auto Registry = OpenUserRegistry();
    if (Registry->NotRegular())
        PrintError(Registry->NotRegularMessage() + "; the default print options are used");
    TReadOnlyRegistry Unwritten(*Registry);
    TPrintOptions Options;
    TKelStatus Status(Unwritten, Options);
    TOwnkFormModel Dialog(Status);
    std::vector<std::string> Notes;
    OpenPrintDialog(Dialog, *Surface, Moves, MakeGamePInfo(*S.Record, S.Result.Encoding),
                    [&](TOwnkFormModel& D) {
                        Notes = ChooseInDialog(D, Choice);
                        D.OkBtnClick();
                    });
    for (const std::string& N : Notes)
        PrintError(N);

    if (JobPageCount(Dialog.JobValues()) == 0) {
        PrintError("Nothing was printed: the record has no moves to print; " + Choice.Output +
                   " was not written");
        return kExitFailed;
    }
    try {
        const TPrintOutcome Outcome =
            PrintChosenJob(Dialog, *Surface, Moves, DiagramStartOf(*S.Record, *Game, S.Handicap));
        if (Outcome.Omitted > 0) {
            PrintError(std::to_string(Outcome.Omitted) +
                       " of the moves played on points already taken could not be listed under "
                       "their diagrams (room for " +
                       std::to_string(kMaxNoteEntries) + " note entries and " +
                       std::to_string(kMaxLabels) +
                       " labels a diagram, in the rows that fit on the page)");
        }
    } catch (const TPrintError& E) {
        PrintError(E.what());
        return kExitFailed;
    }
    QFile Printed(Job);
    std::string Reason;
    if (!Printed.open(QIODevice::ReadOnly)) {
        PrintError("Cannot write the output: " + Printed.errorString().toStdString());
        return kExitFailed;
    }
    const QByteArray Bytes = Printed.readAll();
    if (!WriteWholeFile(Choice.Output,
                        std::string_view(Bytes.constData(), static_cast<size_t>(Bytes.size())),
                        Reason)) {
        PrintError("Cannot write the output: " + Reason);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace xvexo::cli
