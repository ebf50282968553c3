#include "control/print_command.h"

#include <QCoreApplication>
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
            Window->setWindowTitle(QCoreApplication::translate("PrintCommand", "棋谱打印"));
            Window->setWindowModality(Qt::WindowModal);
            Window->setMinimumDuration(kProgressDelayMs);
            Window->setCancelButtonText(QCoreApplication::translate("PrintCommand", "取消"));
            Window->setAutoClose(false);
            Window->setAutoReset(false);
            Window->setRange(0, Pages);
        }
        Window->setLabelText(
            QCoreApplication::translate("PrintCommand", "正在打印第 %1 页，共 %2 页")
                .arg(Page + 1)
                .arg(Pages));
        Window->setValue(Page);  // lets the window show and take the Cancel click
        return !Window->wasCanceled();
    }

  private:
    QWidget& Owner;
    std::unique_ptr<QProgressDialog> Window;
};

QString ChooseWithDialog(QWidget& Parent, const QString& Suggested) {
    // Asked only when there is no printer: the title says why a file is wanted.
    QFileDialog Chooser(&Parent, QCoreApplication::translate(
                                     "PrintCommand", "未找到打印机：请把打印内容保存为 PDF 文件"));
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
            Notice(QCoreApplication::translate("PrintCommand",
                                               "没有打印任何内容：棋谱中没有可打印的着手。"));
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
            QMessageBox::critical(&Owner, QCoreApplication::translate("PrintCommand", "棋谱打印"),
                                  Text, QMessageBox::Ok);
        }
    }

  private:
    void Notice(const QString& Text) {
        if (Services.ShowNotice) {
            Services.ShowNotice(Owner, Text);
        } else {
            QMessageBox::information(&Owner,
                                     QCoreApplication::translate("PrintCommand", "棋谱打印"), Text,
                                     QMessageBox::Ok);
        }
    }

    // Tells the user what the job did not print.
    void Tell(const TPrintOutcome& Outcome, int Pages, bool ToFile) {
        QString Text;
        if (Outcome.Cancelled) {
            if (ToFile) {
                Text = QCoreApplication::translate("PrintCommand", "打印已取消，没有写入文件。");
            } else if (Dropped) {
                Text =
                    QCoreApplication::translate("PrintCommand", "打印已取消，没有打印任何内容。");
            } else {
                Text = QCoreApplication::translate(
                           "PrintCommand", "打印在第 %1 页（共 %2 页）后取消；这些页已送到打印机。")
                           .arg(Outcome.Pages)
                           .arg(Pages);
            }
        } else if (Outcome.Omitted > 0) {
            Text = QCoreApplication::translate(
                       "PrintCommand",
                       "有 %1 手下在已有棋子的点上，未能列在其图下：每图的注记最多 %2 项、"
                       "%3 个字母，且只用图下页面容得下的行。减少每图的手数或缩小格子，"
                       "即可全部列出。")
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
        Command.Error(QCoreApplication::translate("PrintCommand", "打印失败：%1")
                          .arg(QString::fromUtf8(E.what())));
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
