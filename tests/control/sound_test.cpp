#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "platform/click_sound.h"
#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

// Whatever the machine's sound: clicks never wait, and a form with the real sound steps at once.
TEST(ClickSound, NeverWaits) {
    QElapsedTimer t;
    t.start();
    TClickSound sound;
    for (int i = 0; i < 50; ++i)
        sound.Play();
    EXPECT_LT(t.elapsed(), 1000);

    TXVexoView view;  // the real click sound and message box
    view.show();
    ASSERT_TRUE(view.LoadText(testing::TagRecord(30), kFormatTag));
    view.ArrowClick(kToStart);
    t.restart();
    for (int i = 0; i < 30; ++i)
        view.ArrowClick(kForwardOne);
    EXPECT_EQ(view.board().MoveIndex(), 30);
    EXPECT_LT(t.elapsed(), 1000);
}

}  // namespace
}  // namespace xvexo
