#pragma once
// A shown viewer form whose message boxes and clicks are captured instead of shown and heard,
// and record texts for it.

#include <QApplication>
#include <QImage>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "control/board_box.h"
#include "control/xvexo_view.h"

namespace xvexo::test {

struct ViewFixture {
    QStringList Errors;
    int Clicks = 0;
    std::unique_ptr<TXVexoView> View;

    ViewFixture() {
        TViewServices s;
        s.ShowError = [this](QWidget&, const QString& text) { Errors << text; };
        s.PlayClick = [this] { ++Clicks; };
        View = std::make_unique<TXVexoView>(nullptr, s);
        View->show();
        QApplication::processEvents();
    }
    TXVexoView* operator->() { return View.get(); }
    TXVexoView& operator*() { return *View; }

    void LoadTag(const std::string& text) {
        QString error;
        ASSERT_TRUE(View->LoadText(text, kFormatTag, &error)) << error.toStdString();
    }
    void LoadNgf(const std::string& text) {
        QString error;
        ASSERT_TRUE(View->LoadText(text, kFormatNgf, &error)) << error.toStdString();
    }
    int MoveIndex() const { return View->board().MoveIndex(); }
};

// Where two board pictures first differ, or "" when they agree.
inline std::string BoardDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "differs at " + std::to_string(x) + "," + std::to_string(y);
    return {};
}

// Two lower-case letters for a point (column, row).
inline std::string TagPoint(int x, int y) {
    return std::string(1, static_cast<char>('a' + x - 1)) + static_cast<char>('a' + y - 1);
}

// A tag record of Count moves on distinct points that never capture: black on rows 1..9 and
// white on rows 11..19, column by column. Extra is put after move ExtraAfter.
inline std::string TagRecord(int count, const std::string& header = "EV[Cup]", int extraAfter = -1,
                             const std::string& extra = {}) {
    std::string t = "(;" + header;
    if (extraAfter == 0) t += extra;
    for (int i = 1; i <= count; ++i) {
        const int pair = (i - 1) / 2;
        const int x = pair % 19 + 1;
        const int y = (i % 2 == 1) ? pair / 19 + 1 : 19 - pair / 19;
        t += std::string(";") + (i % 2 ? "B" : "W") + "[" + TagPoint(x, y) + "]";
        if (i == extraAfter) t += extra;
    }
    return t + ")\n";
}

}  // namespace xvexo::test
