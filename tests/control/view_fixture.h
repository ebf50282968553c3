#pragma once
// A shown viewer form whose message boxes and clicks are captured instead of shown and heard.

#include <QApplication>
#include <QImage>
#include <QStringList>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QWindow>
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
        TViewServices S;
        S.ShowError = [this](QWidget&, const QString& Text) { Errors << Text; };
        S.PlayClick = [this] { ++Clicks; };
        View = std::make_unique<TXVexoView>(nullptr, S);
        View->show();
        QApplication::processEvents();
    }
    TXVexoView* operator->() { return View.get(); }
    TXVexoView& operator*() { return *View; }

    void LoadTag(const std::string& Text) {
        QString Error;
        ASSERT_TRUE(View->LoadText(Text, kFormatTag, &Error)) << Error.toStdString();
    }
    void LoadNgf(const std::string& Text) {
        QString Error;
        ASSERT_TRUE(View->LoadText(Text, kFormatNgf, &Error)) << Error.toStdString();
    }
    int MoveIndex() const { return View->board().MoveIndex(); }
};

// Presses and releases board point (Col, Row) of the main board, in its middle, with Button.
inline void PressBoard(TXVexoView& V, Qt::MouseButton Button, int Col, int Row) {
    const int Cell = V.painter().CellSize();
    const QPoint Middle((Col - 1) * Cell + Cell / 2, (Row - 1) * Cell + Cell / 2);
    QTest::mousePress(V.MainGoPB, Button, {}, Middle);
    QTest::mouseRelease(V.MainGoPB, Button, {}, Middle);
}

// Clicks the link that reads Text in the comment box, in its middle, as a user does; false when
// the box shows no such link.
inline bool ClickLink(TPlusMemoU& Box, const QString& Text) {
    QTextDocument* Doc = Box.document();
    for (QTextBlock B = Doc->begin(); B.isValid(); B = B.next()) {
        for (auto It = B.begin(); !It.atEnd(); ++It) {
            const QTextFragment F = It.fragment();
            if (!F.charFormat().isAnchor() || F.text() != Text) continue;
            QTextCursor C(Doc);
            C.setPosition(F.position() + F.length() / 2);
            Box.setTextCursor(C);
            Box.ensureCursorVisible();
            const QRect R = Box.cursorRect(C);
            QTest::mouseClick(Box.viewport(), Qt::LeftButton, {}, R.center() + QPoint(2, 0));
            QApplication::processEvents();
            return true;
        }
    }
    return false;
}

// Presses and releases Key where the keyboard sends it: through the window system to the window
// that has the focus, whose shortcuts see it first, then to the widget that has the focus.
inline void PressKey(Qt::Key Key) {
    QWindow* Focus = QGuiApplication::focusWindow();
    ASSERT_NE(Focus, nullptr) << "no window has the focus";
    QTest::keyClick(Focus, Key);
}

// Whether Window came to have the keyboard focus (a window kept above its owner counts as active
// with it, so isActiveWindow cannot tell).
inline bool WaitForKeyboard(QWidget& Window) {
    return QTest::qWaitFor(
        [&Window] { return QGuiApplication::focusWindow() == Window.windowHandle(); });
}

// Types Text into the widget that has the focus, as PressKey presses a key.
inline void TypeKeys(const char* Text) {
    QWindow* Focus = QGuiApplication::focusWindow();
    ASSERT_NE(Focus, nullptr) << "no window has the focus";
    for (const char* C = Text; *C != '\0'; ++C)
        QTest::keyClick(Focus, *C);
}

// Where two board pictures first differ, or "" when they agree.
inline std::string BoardDifference(const QImage& A, const QImage& B) {
    if (A.size() != B.size()) return "sizes differ";
    for (int Y = 0; Y < A.height(); ++Y)
        for (int X = 0; X < A.width(); ++X)
            if (A.pixel(X, Y) != B.pixel(X, Y))
                return "differs at " + std::to_string(X) + "," + std::to_string(Y);
    return {};
}

}  // namespace xvexo::testing
