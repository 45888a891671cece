// The window's size: fitted to the deal at every layout, and never smaller than the
// layout needs when the player resizes it.
#include "WindowTest.h"
#include "table/Layout.h"

namespace zarn::test {
namespace {

class WindowSize : public WindowTest {
protected:
    // Twips to whole pixels, halves to the even neighbour.
    QSize pixels(int widthTwips, int heightTwips) {
        const float tpp = table()->twipsPerPixel();
        return QSize(RoundEven(double(float(widthTwips) / tpp)),
                     RoundEven(double(float(heightTwips) / tpp)));
    }
    QSize fitted() { return pixels(s().WindowWidth, s().WindowHeight); }
    QSize least() {
        const zarn::WindowSize m = MinimumWindowSize(s(), *table());
        return pixels(m.width, m.height);
    }
    // Resizes to an outer size, frame included.
    void resizeTo(QSize outer) {
        window->resize(outer - (window->frameGeometry().size() - window->size()));
        QApplication::processEvents();
    }
};

TEST_F(WindowSize, TheWindowIsFittedToTheDealAtEveryLayout) {
    for (const char* file :
         {".4\r\n75\r\n0\r\nY\r\n", ".92\r\n75\r\n0\r\nY\r\n", "2\r\n75\r\n0\r\nY\r\n"}) {
        SCOPED_TRACE(file);
        writeSettings(file);
        start();
        // The outer size, frame and title bar included (offscreen has none).
        EXPECT_EQ(window->frameGeometry().size(), fitted());
        // At a deal the layout is exactly what the minimum asks.
        EXPECT_EQ(fitted(), least());
        // The table is the rest of the window below the menu bar.
        EXPECT_EQ(table()->width(), window->width());
        window.reset();
    }
    writeSettings(".92\r\n75\r\n0\r\nY\r\n");
    start();
    const QSize first = window->frameGeometry().size();
    resizeTo(first + QSize(300, 200));
    trigger("Deal Again");
    EXPECT_EQ(window->frameGeometry().size(), fitted()) << "a layout sets the size again";
    resizeTo(first + QSize(300, 200));
    trigger("Increase Card Size");
    EXPECT_EQ(window->frameGeometry().size(), fitted());
    EXPECT_GT(fitted().width(), first.width());
    resizeTo(first + QSize(300, 200));
    trigger("Reset Positions");
    EXPECT_EQ(window->frameGeometry().size(), fitted());
}

TEST_F(WindowSize, AResizeBelowTheLayoutIsUndoneAndALargerOneIsKept) {
    start();
    const QSize minimum = least();
    resizeTo(QSize(100, 80));
    EXPECT_EQ(window->frameGeometry().size(), minimum);
    resizeTo(QSize(minimum.width() - 1, minimum.height() + 50));
    EXPECT_EQ(window->frameGeometry().size(), QSize(minimum.width(), minimum.height() + 50));
    resizeTo(QSize(minimum.width() + 50, 10));
    EXPECT_EQ(window->frameGeometry().size(), QSize(minimum.width() + 50, minimum.height()));
    const QSize larger = minimum + QSize(400, 300);
    resizeTo(larger);
    EXPECT_EQ(window->frameGeometry().size(), larger);
    // A larger window shows more table; the cards stay where they are.
    expectPlayable();
    EXPECT_GE(table()->background().deviceIndependentSize().width(), table()->width());
}

TEST_F(WindowSize, TheMinimumFollowsColumnEight) {
    start();
    fastGlides();
    arrange(OneMoveFromBlocked(true));
    const QSize withSix = least();
    // Column 8 loses its six of spades: the bound shrinks by one fan step.
    doubleClick(Card(6, 'S'));
    ASSERT_EQ(cards(8).back(), Card(3, 'S'));
    EXPECT_LT(least().height(), withSix.height());
    resizeTo(QSize(50, 50));
    EXPECT_EQ(window->frameGeometry().size(), least());
}

TEST_F(WindowSize, TheTilesCoverTheWholeTable) {
    writeSettings(".92\r\n75\r\n6\r\nY\r\n");
    start();
    resizeTo(window->size() + QSize(500, 400));
    const QSizeF painted = table()->background().deviceIndependentSize();
    EXPECT_GE(painted.width(), table()->width());
    EXPECT_GE(painted.height(), table()->height());
    // The tile repeats every 128 pixels.
    const QImage image = table()->background();
    for (QPoint p : {QPoint(5, 5), QPoint(40, 100), QPoint(120, 7)}) {
        EXPECT_EQ(image.pixel(p), image.pixel(p + QPoint(128, 0)));
        EXPECT_EQ(image.pixel(p), image.pixel(p + QPoint(0, 128)));
    }
}

} // namespace
} // namespace zarn::test
