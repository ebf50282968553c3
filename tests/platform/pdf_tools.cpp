#include "pdf_tools.h"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QRegularExpression>
#include <cstdio>

#include "platform/fonts.h"

namespace xvexo::testing {

namespace {

std::string Quoted(const QString& S) {
    std::string Out = "'";
    for (char C : S.toStdString()) {
        if (C == '\'') {
            Out += "'\\''";
        } else {
            Out += C;
        }
    }
    return Out + "'";
}

// Radicals drawn with the glyph of an ideograph, mapped to that ideograph, for the faces that
// print Chinese text.
const QHash<char32_t, char32_t>& RadicalFold() {
    static const QHash<char32_t, char32_t> Fold = [] {
        QHash<char32_t, char32_t> Out;
        for (const char* Face : {"宋体", "Noto Sans CJK SC"}) {
            const QRawFont Raw =
                QRawFont::fromFont(QFont(SubstituteFontFamily(QString::fromUtf8(Face))));
            if (!Raw.isValid()) continue;
            QHash<quint32, char32_t> ByGlyph;
            for (char32_t U = 0x4E00; U <= 0x9FFF; ++U) {
                const auto G = Raw.glyphIndexesForString(QString::fromUcs4(&U, 1));
                if (!G.isEmpty() && G[0] != 0 && !ByGlyph.contains(G[0])) ByGlyph[G[0]] = U;
            }
            for (char32_t R = 0x2E80; R <= 0x2FDF; ++R) {
                const auto G = Raw.glyphIndexesForString(QString::fromUcs4(&R, 1));
                if (!G.isEmpty() && ByGlyph.contains(G[0]) && !Out.contains(R)) {
                    Out[R] = ByGlyph[G[0]];
                }
            }
        }
        return Out;
    }();
    return Fold;
}

}  // namespace

QString FoldRadicals(const QString& Text) {
    QString Out;
    for (char32_t C : Text.toUcs4()) {
        const char32_t F = RadicalFold().value(C, C);
        Out += QString::fromUcs4(&F, 1);
    }
    return Out;
}

std::string CommandOutput(const std::string& Command) {
    std::string Out;
    FILE* P = popen(Command.c_str(), "r");
    if (!P) return Out;
    char Buf[4096];
    size_t N;
    while ((N = fread(Buf, 1, sizeof Buf, P)) > 0)
        Out.append(Buf, N);
    if (pclose(P) != 0) Out.clear();
    return Out;
}

int PdfPageCount(const QString& File) {
    const QString Info = QString::fromStdString(CommandOutput("pdfinfo " + Quoted(File)));
    const QRegularExpressionMatch M = QRegularExpression("Pages:\\s+(\\d+)").match(Info);
    return M.hasMatch() ? M.captured(1).toInt() : -1;
}

QString PdfText(const QString& File, int Page) {
    std::string Range;
    if (Page > 0) Range = " -f " + std::to_string(Page) + " -l " + std::to_string(Page);
    const std::string Text =
        CommandOutput("pdftotext -enc UTF-8" + Range + " " + Quoted(File) + " -");
    return FoldRadicals(QString::fromStdString(Text));
}

QImage PdfPageImage(const QString& File, int Page, int Dpi, const QTemporaryDir& Scratch) {
    const QString Prefix = Scratch.filePath(QStringLiteral("page%1").arg(Page));
    CommandOutput("pdftoppm -png -singlefile -r " + std::to_string(Dpi) + " -f " +
                  std::to_string(Page) + " -l " + std::to_string(Page) + " " + Quoted(File) + " " +
                  Quoted(Prefix));
    return QImage(Prefix + ".png");
}

}  // namespace xvexo::testing
