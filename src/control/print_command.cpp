#include "control/print_command.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>
#include <exception>

#include "control/print_dialog.h"
#include "platform/qt_print_surface.h"

namespace xvexo {

namespace {

// A proposed file name keeps at most this many characters of the title.
constexpr int kMaxNameLength = 100;
// The progress window shows once a split job has run this long.
constexpr int kProgressDelayMs = 500;

// The progress window of a split job, made at its first page.
class TProgressWindow {
  public:
    explicit TProgressWindow(QWidget& Owner) : Owner(Owner) {}
    ~TProgressWindow() {
        if (Window) Window->reset();
    }

    bool operator()(int Page, int Pages) {
        if (!Window) {
            Window = std::make_unique<QProgressDialog>(&Owner);
            Window->setWindowTitle(QStringLiteral("棋谱打印"));
            Window->setWindowModality(Qt::WindowModal);
            Window->setMinimumDuration(kProgressDelayMs);
            Window->setCancelButtonText(QStringLiteral("Cancel"));
            Window->setAutoClose(false);
            Window->setAutoReset(false);
            Window->setRange(0, Pages);
        }
        Window->setLabelText(QStringLiteral("Printing page %1 of %2").arg(Page + 1).arg(Pages));
        Window->setValue(Page);  // lets the window show and take the Cancel click
        return !Window->wasCanceled();
    }

  private:
    QWidget& Owner;
    std::unique_ptr<QProgressDialog> Window;
};

QString ChooseWithDialog(QWidget& Parent, const QString& Suggested) {
    // Asked only when there is no printer: the title says why a file is wanted.
    QFileDialog Chooser(&Parent,
                        QStringLiteral("No printer was found: save the print as a PDF file"));
    Chooser.setAcceptMode(QFileDialog::AcceptSave);
    Chooser.setFileMode(QFileDialog::AnyFile);
    Chooser.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    Chooser.setDefaultSuffix(QStringLiteral("pdf"));
    Chooser.setDirectory(QFileInfo(Suggested).absolutePath());
    Chooser.selectFile(QFileInfo(Suggested).fileName());
    if (Chooser.exec() != QDialog::Accepted || Chooser.selectedFiles().isEmpty()) return {};
    return Chooser.selectedFiles().first();
}

// Where a PDF is proposed: the documents folder, else the home folder.
QString PdfFolder() {
    const QString Documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!Documents.isEmpty() && QDir(Documents).exists()) return Documents;
    return QDir::homePath();
}

// The command with its services, each filled in with its default.
class TPrintCommand {
  public:
    TPrintCommand(QWidget& Owner, const TPrintServices& Given) : Owner(Owner), Services(Given) {}

    void Run(TKelStatus& Status, const TMoveCoords& Moves, const TDiagramStart& Start,
             const TGamePInfo& Info) {
        std::unique_ptr<TQtPrintSurface> Surface =
            Services.OpenPrinter ? Services.OpenPrinter() : TQtPrintSurface::ForDefaultPrinter();
        // No printer: the job goes to a PDF file, named once the dialog is confirmed.
        if (!Surface) Surface = TQtPrintSurface::ForPdf(QString(), QPageSize::A4);

        TOwnkFormModel Dialog(Status);
        const bool Confirmed =
            OpenPrintDialog(Dialog, *Surface, Moves, Info, [&](TOwnkFormModel& M) {
                TOwnkForm Form(M, &Owner);
                Form.ShowError = Services.ShowError;
                if (Services.RunDialog) {
                    Services.RunDialog(Form);
                } else {
                    Form.exec();
                }
            });
        if (!Confirmed) return;

        const TPrintJobValues Values = Dialog.JobValues();
        if (JobPageCount(Values) == 0) {
            Notice(QStringLiteral("Nothing was printed: the record has no moves to print."));
            return;
        }
        if (Surface->PrintsToFile() && Surface->OutputFile().isEmpty()) {
            const QString Suggested =
                SuggestedPdfPath(QString::fromStdString(Info.GameTitle), PdfFolder());
            const QString File = Services.ChoosePdfFile ? Services.ChoosePdfFile(Owner, Suggested)
                                                        : ChooseWithDialog(Owner, Suggested);
            if (File.isEmpty()) return;
            Surface->SetOutputFile(File);
        }

        TProgressWindow Window(Owner);
        const TPrintOutcome Outcome =
            PrintChosenJob(Dialog, *Surface, Moves, Start, [&](int Page, int Pages) {
                const bool GoOn =
                    Services.Progress ? Services.Progress(Page, Pages) : Window(Page, Pages);
                // The pages drawn so far are dropped rather than printed as if complete.
                if (!GoOn) Dropped = Surface->AbortDocument();
                return GoOn;
            });
        Tell(Outcome, JobPageCount(Values), Surface->PrintsToFile());
    }

    void Error(const QString& Text) {
        if (Services.ShowError) {
            Services.ShowError(Owner, Text);
        } else {
            QMessageBox::critical(&Owner, QStringLiteral("棋谱打印"), Text, QMessageBox::Ok);
        }
    }

  private:
    void Notice(const QString& Text) {
        if (Services.ShowNotice) {
            Services.ShowNotice(Owner, Text);
        } else {
            QMessageBox::information(&Owner, QStringLiteral("棋谱打印"), Text, QMessageBox::Ok);
        }
    }

    // Tells the user what the job did not print.
    void Tell(const TPrintOutcome& Outcome, int Pages, bool ToFile) {
        QString Text;
        if (Outcome.Cancelled) {
            if (ToFile) {
                Text = QStringLiteral("Printing was cancelled; no file was written.");
            } else if (Dropped) {
                Text = QStringLiteral("Printing was cancelled; nothing was printed.");
            } else {
                Text = QStringLiteral(
                           "Printing was cancelled after %1 of %2 pages; the printer had "
                           "already taken those pages.")
                           .arg(Outcome.Pages)
                           .arg(Pages);
            }
        } else if (Outcome.Omitted > 0) {
            Text = QStringLiteral(
                       "%1 of the moves played on points already taken could not be listed "
                       "under their diagrams: the notes of one diagram have room for %2 "
                       "entries and %3 labels, in the rows that fit on the page below it. "
                       "Print fewer moves per diagram, or a smaller cell, to list them all.")
                       .arg(Outcome.Omitted)
                       .arg(kMaxNoteEntries)
                       .arg(kMaxLabels);
        }
        if (!Text.isEmpty()) Notice(Text);
    }

    QWidget& Owner;
    const TPrintServices& Services;
    bool Dropped = true;
};

}  // namespace

void RunPrintCommand(QWidget& Owner, TKelStatus& Status, const TMoveCoords& Moves,
                     const TDiagramStart& Start, const TGamePInfo& Info,
                     const TPrintServices& Services) {
    TPrintCommand Command(Owner, Services);
    try {
        Command.Run(Status, Moves, Start, Info);
    } catch (const std::exception& E) {
        Command.Error(QStringLiteral("Printing failed: %1").arg(QString::fromUtf8(E.what())));
    }
}

QString SuggestedPdfPath(const QString& Title, const QString& Folder) {
    QString Name;
    for (const QChar C : Title.simplified()) {
        const bool Unfit = C.category() == QChar::Other_Control || C == QLatin1Char('/') ||
                           C == QLatin1Char('\\') || QStringLiteral(":*?\"<>|").contains(C);
        Name += Unfit ? QLatin1Char('_') : C;
    }
    // No hidden file, and no name made of dots alone.
    while (Name.startsWith(QLatin1Char('.')))
        Name.remove(0, 1);
    Name.truncate(kMaxNameLength);
    if (!Name.isEmpty() && Name.back().isHighSurrogate()) Name.chop(1);
    Name = Name.trimmed();
    if (Name.isEmpty()) Name = QStringLiteral("game");
    return QDir(Folder).filePath(Name + QStringLiteral(".pdf"));
}

}  // namespace xvexo
