// The pointer over the table: the hand while cards are dragged, the arrow otherwise.

#include "ui/DragPointer.h"

#include "tests/window/WindowTest.h"

#include <QCursor>
#include <QPixmap>

namespace zarn::test {
namespace {

using DragPointer = WindowTest;

TEST_F(DragPointer, TheHandShowsWhileCardsAreDraggedAndTheArrowAfterwards) {
    startWith(options());
    EXPECT_NE(table()->cursor().shape(), Qt::BitmapCursor);

    const int top = TopCard(s(), 1);
    const QPoint from = grabPoint(top);
    QTest::mousePress(table(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(table(), from + QPoint(40, 30));
    ASSERT_TRUE(window->game().Dragging());
    const QCursor hand = table()->cursor();
    ASSERT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), DragPointerHotSpot);
    const QImage picture = hand.pixmap().toImage();
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(32, 32));
    // Transparent round the hand, white inside the finger and the palm, a black outline
    // just beside the fingertip.
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(31, 0)), 0);
    EXPECT_EQ(picture.pixelColor(11, 8), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(18, 22), QColor(Qt::white));
    EXPECT_LT(picture.pixelColor(9, 8).lightness(), 100);
    EXPECT_GT(qAlpha(picture.pixel(9, 8)), 128);

    QTest::mouseRelease(table(), Qt::LeftButton, Qt::NoModifier, from + QPoint(40, 30));
    EXPECT_NE(table()->cursor().shape(), Qt::BitmapCursor);

    // A press that lifts nothing (a right-button send) keeps the arrow.
    press(TopCard(s(), 2), Qt::RightButton);
    EXPECT_NE(table()->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(DragPointer, TheHandIsDrawnSharpAtTwiceThePixels) {
    const QCursor hand = MakeDragPointer(2.0);
    const QPixmap pixmap = hand.pixmap();
    EXPECT_EQ(pixmap.size(), QSize(64, 64));
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(32, 32));
    EXPECT_EQ(hand.hotSpot(), DragPointerHotSpot);
    const QImage image = pixmap.toImage();
    EXPECT_EQ(image.pixelColor(23, 16), QColor(Qt::white));
}

} // namespace
} // namespace zarn::test
