#include "platform/qt_print_surface.h"

#include <QColor>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/fonts.h"

namespace xvexo {

namespace {

// The resolution of the PDF printer and of printers.
constexpr int kPdfDotsPerInch = 600;
// A font asked for without a height is 12 points high.
constexpr int kDefaultFontPoints = 12;

QColor Colour(TPrintColour C) {
    return QColor::fromRgb(0xFF000000u | C);
}

}  // namespace

std::unique_ptr<TQtPrintSurface> TQtPrintSurface::ForDefaultPrinter() {
    const QPrinterInfo Info = QPrinterInfo::defaultPrinter();
    if (Info.isNull()) return nullptr;
    auto P = std::make_unique<QPrinter>(Info, QPrinter::HighResolution);
    if (!P->isValid()) return nullptr;
    // The page layouts are measured in dots of a 600 dpi printer. Jobs reach the print server
    // as vector PDF, so the resolution only sets the unit of the coordinates.
    P->setResolution(kPdfDotsPerInch);
    P->setFullPage(false);
    return std::unique_ptr<TQtPrintSurface>(new TQtPrintSurface(std::move(P)));
}

std::unique_ptr<TQtPrintSurface> TQtPrintSurface::ForPdf(const QString& File,
                                                         QPageSize::PageSizeId Size,
                                                         QMarginsF MarginsInches) {
    auto P = std::make_unique<QPrinter>(QPrinter::HighResolution);
    P->setOutputFormat(QPrinter::PdfFormat);
    P->setResolution(kPdfDotsPerInch);
    P->setFullPage(false);
    P->setPageLayout(QPageLayout(QPageSize(Size), QPageLayout::Portrait, MarginsInches,
                                 QPageLayout::Inch, QMarginsF()));
    if (!File.isEmpty()) P->setOutputFileName(File);
    return std::unique_ptr<TQtPrintSurface>(new TQtPrintSurface(std::move(P)));
}

TQtPrintSurface::TQtPrintSurface(std::unique_ptr<QPrinter> P) : Printer(std::move(P)) {
    Printer->setCreator(QStringLiteral("XVexoView"));
}

TQtPrintSurface::~TQtPrintSurface() {
    if (Painter.isActive()) Painter.end();
}

bool TQtPrintSurface::PrintsToFile() const {
    return Printer->outputFormat() == QPrinter::PdfFormat;
}

QString TQtPrintSurface::OutputFile() const {
    return PrintsToFile() ? Printer->outputFileName() : QString();
}

void TQtPrintSurface::SetOutputFile(const QString& File) {
    // An empty name would turn the PDF printer into the system printer.
    if (PrintsToFile() && !File.isEmpty()) Printer->setOutputFileName(File);
}

QString TQtPrintSurface::PrinterName() const {
    return PrintsToFile() ? QString() : Printer->printerName();
}

int TQtPrintSurface::PrintableWidth() const {
    return Printer->pageLayout().paintRectPixels(Printer->resolution()).width();
}

int TQtPrintSurface::PrintableHeight() const {
    return Printer->pageLayout().paintRectPixels(Printer->resolution()).height();
}

int TQtPrintSurface::DotsPerInchY() const {
    return Printer->resolution();
}

void TQtPrintSurface::SetJobTitle(const std::string& Title) {
    Printer->setDocName(QString::fromStdString(Title));
}

void TQtPrintSurface::StartDocument() {
    if (Painter.isActive()) Painter.end();
    Pages = 0;
}

void TQtPrintSurface::EnsurePage() {
    if (Painter.isActive()) return;
    if (PrintsToFile() && Printer->outputFileName().isEmpty()) {
        throw TPrintError("No file was named for the PDF");
    }
    if (!Painter.begin(Printer.get())) {
        throw TPrintError(PrintsToFile()
                              ? "Cannot write " + Printer->outputFileName().toStdString()
                              : "Cannot print on " + Printer->printerName().toStdString());
    }
    Painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    Pages = 1;
}

void TQtPrintSurface::NewPage() {
    EnsurePage();
    if (!Printer->newPage()) throw TPrintError("Cannot start a new page");
    ++Pages;
}

void TQtPrintSurface::EndDocument() {
    if (!Painter.isActive()) return;  // nothing drawn: no job, no file
    if (!Painter.end()) {
        throw TPrintError(PrintsToFile()
                              ? "Cannot write " + Printer->outputFileName().toStdString()
                              : "Cannot print on " + Printer->printerName().toStdString());
    }
}

bool TQtPrintSurface::AbortDocument() {
    if (!Painter.isActive()) return true;
    const bool Dropped = Printer->abort();
    if (Painter.isActive()) Painter.end();
    if (PrintsToFile()) {
        QFile::remove(Printer->outputFileName());
        return true;
    }
    return Dropped;
}

TPrintPen TQtPrintSurface::SelectPen(const TPrintPen& P) {
    const TPrintPen Old = Pen;
    Pen = P;
    return Old;
}

TPrintBrush TQtPrintSurface::SelectBrush(const TPrintBrush& B) {
    const TPrintBrush Old = Brush;
    Brush = B;
    return Old;
}

TPrintFont TQtPrintSurface::SelectFont(const TPrintFont& F) {
    const TPrintFont Old = Font;
    if (!(F == Font)) FontReady = false;
    Font = F;
    return Old;
}

void TQtPrintSurface::SetTextAlign(THorzAlign H, TVertAlign V) {
    Horz = H;
    Vert = V;
}

void TQtPrintSurface::RealiseFont() {
    if (FontReady) return;
    QFont F(SubstituteFontFamily(QString::fromStdString(Font.Face)));
    F.setBold(Font.Bold);
    F.setItalic(Font.Italic);
    F.setUnderline(Font.Underline);
    F.setStrikeOut(Font.StrikeOut);
    F.setStyleStrategy(QFont::PreferAntialias);
    double Pixels = static_cast<double>(kDefaultFontPoints) * Printer->resolution() / 72.0;
    if (Font.Height < 0) {
        Pixels = -static_cast<double>(Font.Height);  // the character height
    } else if (Font.Height > 0) {
        // The cell height: ascent plus descent of the face.
        QFont Reference(F);
        Reference.setPixelSize(1000);
        const QFontMetricsF M(Reference, Printer.get());
        const double Cell = M.ascent() + M.descent();
        Pixels = Cell > 0 ? Font.Height * 1000.0 / Cell : Font.Height;
    }
    F.setPixelSize(std::max(1, static_cast<int>(std::lround(Pixels))));
    QtFont = F;
    ScaleX = 1.0;
    if (Font.Width > 0) {
        // The width is that of an average character: here, of a digit.
        const double Digit = QFontMetricsF(F, Printer.get()).horizontalAdvance(QLatin1Char('0'));
        if (Digit > 0) ScaleX = Font.Width / Digit;
    }
    FontReady = true;
}

void TQtPrintSurface::FillRect(const TPrintRect& R, TPrintColour C) {
    if (R.Right <= R.Left || R.Bottom <= R.Top) return;
    EnsurePage();
    Painter.fillRect(QRect(R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top), Colour(C));
}

void TQtPrintSurface::Ellipse(const TPrintRect& B) {
    if (B.Right <= B.Left || B.Bottom <= B.Top) return;
    EnsurePage();
    QRectF R(B.Left, B.Top, B.Right - B.Left, B.Bottom - B.Top);
    switch (Pen.Style) {
        case TPenStyle::Null:
            Painter.setPen(Qt::NoPen);
            break;
        case TPenStyle::Solid:
            Painter.setPen(QPen(Colour(Pen.Colour), std::max(1, Pen.Width)));
            break;
        case TPenStyle::InsideFrame: {
            const double W = std::max(1, Pen.Width);
            Painter.setPen(QPen(Colour(Pen.Colour), W));
            R.adjust(W / 2, W / 2, -W / 2, -W / 2);
            break;
        }
    }
    Painter.setBrush(Colour(Brush.Colour));
    Painter.drawEllipse(R);
}

void TQtPrintSurface::TextOut(int X, int Y, const std::string& Text) {
    if (Text.empty()) return;
    EnsurePage();
    RealiseFont();
    const QString S = QString::fromStdString(Text);
    const QFontMetricsF M(QtFont, Printer.get());
    const double W = M.horizontalAdvance(S) * ScaleX;
    const double Left = Horz == THorzAlign::Left     ? X
                        : Horz == THorzAlign::Center ? X - W / 2
                                                     : X - W;
    const double Baseline = Vert == TVertAlign::Top ? Y + M.ascent() : Y - M.descent();
    if (!Transparent) {
        Painter.fillRect(QRectF(Left, Baseline - M.ascent(), W, M.ascent() + M.descent()),
                         Qt::white);
    }
    Painter.save();
    Painter.setFont(QtFont);
    Painter.setPen(Colour(TextColour));
    Painter.translate(Left, Baseline);
    Painter.scale(ScaleX, 1.0);
    Painter.drawText(QPointF(0, 0), S);
    Painter.restore();
}

int TQtPrintSurface::TextHeight(const std::string&) {
    RealiseFont();
    const QFontMetricsF M(QtFont, Printer.get());
    return static_cast<int>(std::lround(M.ascent() + M.descent()));
}

QDateTime TQtPrintSurface::Now() const {
    return FixedNow ? *FixedNow : QDateTime::currentDateTime();
}

std::string TQtPrintSurface::ShortDateText() {
    return QLocale::system().toString(Now().date(), QLocale::ShortFormat).toStdString();
}

std::string TQtPrintSurface::LongTimeText() {
    return QLocale::system().toString(Now().time(), QLocale::LongFormat).toStdString();
}

}  // namespace xvexo
