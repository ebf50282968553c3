#pragma once
// The viewer's print command: the print dialog over the viewer, then the job on the default
// printer, or, when there is none, in a PDF file (600 dots per inch, A4) that the user names. A
// split job shows its progress and can be cancelled. The user is told when nothing was printed
// and when notes had to be left out; errors are shown, never thrown.

#include <QString>
#include <functional>
#include <memory>

#include "printing/printed_pages.h"

class QWidget;

namespace xvexo {

class TOwnkForm;
class TQtPrintSurface;

// What the command asks of its surroundings; tests replace these to drive it without modal
// windows, printers or file choosers.
struct TPrintServices {
    // Runs the dialog and returns once it is closed. Empty: modal over its owner.
    std::function<void(TOwnkForm& Dialog)> RunDialog;
    // The printer to print on, nullptr when there is none. Empty: the system's default printer.
    std::function<std::unique_ptr<TQtPrintSurface>()> OpenPrinter;
    // The PDF file to write, Suggested the proposed path; empty when the user cancels. Empty: a
    // file chooser.
    std::function<QString(QWidget& Parent, const QString& Suggested)> ChoosePdfFile;
    // Called before each page of a split job; false cancels the job. Empty: a progress window
    // with a Cancel button, shown once the job has taken a moment.
    std::function<bool(int Page, int Pages)> Progress;
    // An error, and a notice, each in a box with an OK button. Empty: modal message boxes.
    std::function<void(QWidget& Parent, const QString& Text)> ShowError;
    std::function<void(QWidget& Parent, const QString& Text)> ShowNotice;
};

// Runs the print command over Owner for the record whose moves (the history up to its last
// move), start (its handicap, or its main board) and game information are given, with the print
// options of Status.
void RunPrintCommand(QWidget& Owner, TKelStatus& Status, const TMoveCoords& Moves,
                     const TDiagramStart& Start, const TGamePInfo& Info,
                     const TPrintServices& Services);

// The proposed PDF file for a game titled Title, in Folder: the title made fit for a file name
// (separators and control characters replaced, at most 100 characters), or "game" for an empty
// title, with ".pdf".
QString SuggestedPdfPath(const QString& Title, const QString& Folder);

}  // namespace xvexo
