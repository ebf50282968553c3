#pragma once
// A shown viewer form whose message boxes and clicks are captured instead of shown and heard.

#include <QApplication>
#include <QImage>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "control/board_box.h"
#include "control/xvexo_view.h"
#include "support/record_text.h"

namespace xvexo::testing {

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

}  // namespace xvexo::testing
