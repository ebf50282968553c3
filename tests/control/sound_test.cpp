#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "platform/click_sound.h"
#include "view_fixture.h"

namespace xvexo {
namespace {

using enum TXVexoView::TArrowTag;

// Whatever the machine's sound: clicks never wait, and a form with the real sound steps at once.
TEST(ClickSound, NeverWaits) {
    QElapsedTimer T;
    T.start();
    TClickSound Sound;
    for (int i = 0; i < 50; ++i)
        Sound.Play();
    EXPECT_LT(T.elapsed(), 1000);

    TXVexoView View;  // the real click sound and message box
    View.show();
    ASSERT_TRUE(View.LoadText(testing::TagRecord(30), kFormatTag));
    View.ArrowClick(kToStart);
    T.restart();
    for (int i = 0; i < 30; ++i)
        View.ArrowClick(kForwardOne);
    EXPECT_EQ(View.board().MoveIndex(), 30);
    EXPECT_LT(T.elapsed(), 1000);
}

}  // namespace
}  // namespace xvexo
