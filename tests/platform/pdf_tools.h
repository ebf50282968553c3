#pragma once
// Reading PDF files back for tests, through the poppler tools: the page count, the text of a
// page and a page as an image. The PDF writer maps a glyph that a CJK face shares between a
// radical and an ideograph back to the radical (the lower code point); the text read back has
// those radicals folded to their ideographs.

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace xvexo::testing {

// The standard output of a command run by the shell; empty when it fails.
std::string CommandOutput(const std::string& Command);

// Text with the radicals that share an ideograph's glyph replaced by the ideograph.
QString FoldRadicals(const QString& Text);

// The number of pages pdfinfo reports, or -1.
int PdfPageCount(const QString& File);
// The text of page Page (from 1), or of every page when Page is 0.
QString PdfText(const QString& File, int Page = 0);
// Page Page rendered at Dpi dots per inch.
QImage PdfPageImage(const QString& File, int Page, int Dpi, const QTemporaryDir& Scratch);

}  // namespace xvexo::testing
