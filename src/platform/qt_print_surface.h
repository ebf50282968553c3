#pragma once
// The print surface on a QPrinter: the default printer, or a PDF file at 600 dots per inch.
// Coordinates are the printer's dots from the top-left corner of the printable area. Fonts
// named by the drawing code are replaced by the installed faces the screen uses too. The first
// page begins with the first drawing call: a document that draws nothing sends no job and
// writes no file.

#include <QDateTime>
#include <QFont>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "printing/print_surface.h"

namespace xvexo {

// The printer or the file could not be written.
class TPrintError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TQtPrintSurface : public PrintSurface {
  public:
    // The system's default printer at its own resolution; nullptr when there is none.
    static std::unique_ptr<TQtPrintSurface> ForDefaultPrinter();
    // A PDF file at 600 dots per inch on paper of Size. Margins (in inches) are left
    // unprintable, as a printer's edges are; by default the whole sheet is printable. The file
    // may be named later, before the first page is drawn.
    static std::unique_ptr<TQtPrintSurface> ForPdf(const QString& File,
                                                   QPageSize::PageSizeId Size = QPageSize::A4,
                                                   QMarginsF MarginsInches = {});

    ~TQtPrintSurface() override;
    TQtPrintSurface(const TQtPrintSurface&) = delete;
    TQtPrintSurface& operator=(const TQtPrintSurface&) = delete;

    // Whether the job goes to a file rather than a printer, and that file.
    bool PrintsToFile() const;
    QString OutputFile() const;
    void SetOutputFile(const QString& File);
    // The printer's name ("" for a file).
    QString PrinterName() const;
    // Pages drawn by the last document.
    int PageCount() const { return Pages; }
    // Ends the document without finishing it: the printer is asked to drop the job, a PDF file
    // begun is removed. Returns false when the printer had already taken pages it cannot drop.
    // EndDocument afterwards does nothing.
    bool AbortDocument();
    // Prints this date and time instead of the current one.
    void SetDateTime(const QDateTime& When) { FixedNow = When; }

    int PrintableWidth() const override;
    int PrintableHeight() const override;
    int DotsPerInchY() const override;
    void SetJobTitle(const std::string& Title) override;
    void StartDocument() override;
    void NewPage() override;
    void EndDocument() override;
    TPrintPen SelectPen(const TPrintPen& Pen) override;
    TPrintBrush SelectBrush(const TPrintBrush& Brush) override;
    TPrintFont SelectFont(const TPrintFont& Font) override;
    void SetTextColour(TPrintColour Colour) override { TextColour = Colour; }
    void SetTransparentText(bool On) override { Transparent = On; }
    void SetTextAlign(THorzAlign Horz, TVertAlign Vert) override;
    void FillRect(const TPrintRect& Rect, TPrintColour Colour) override;
    void Ellipse(const TPrintRect& Bounds) override;
    void TextOut(int X, int Y, const std::string& Text) override;
    int TextHeight(const std::string& Text) override;
    std::string ShortDateText() override;
    std::string LongTimeText() override;

  private:
    explicit TQtPrintSurface(std::unique_ptr<QPrinter> Printer);
    // Begins the first page when none is open.
    void EnsurePage();
    // The selected font as a QFont, and how much its glyphs are widened or narrowed.
    void RealiseFont();
    QDateTime Now() const;

    std::unique_ptr<QPrinter> Printer;
    QPainter Painter;
    int Pages = 0;
    std::optional<QDateTime> FixedNow;

    TPrintPen Pen;
    TPrintBrush Brush;
    TPrintFont Font;
    TPrintColour TextColour = kPrintBlack;
    bool Transparent = false;
    THorzAlign Horz = THorzAlign::Left;
    TVertAlign Vert = TVertAlign::Top;
    bool FontReady = false;
    QFont QtFont;
    double ScaleX = 1.0;
};

}  // namespace xvexo
