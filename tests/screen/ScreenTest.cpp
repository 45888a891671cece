// What the player sees and touches on the real X11 screen: the window runs under xcb on
// its own Xvfb, the pointer is moved and pressed by the X server (xdotool), and every
// check of a picture reads the server's own pixels back.
#include "../support/Screen.h"

#include "../window/WindowTest.h"
#include "ui/AppIdentity.h"

#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace zarn::test {
namespace {

const int D1 = Card(1, 'D');

class Screen : public WindowTest {
public:
    void SetUp() override { ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")); }
    MainWindow& open(const QByteArray& settings = ".92\r\n75\r\n0\r\nY\r\n") {
        writeSettings(settings);
        start();
        window->activateWindow();
        QTest::qWait(200);
        return *window;
    }
    // A rectangle or point of the table, in screen pixels.
    QRect global(const QRect& r) { return {table()->mapToGlobal(r.topLeft()), r.size()}; }
    bool pointerTo(QPoint p) {
        const QPoint g = table()->mapToGlobal(p);
        return Xdotool({"mousemove", QString::number(g.x()), QString::number(g.y())});
    }
    bool button(const char* action, int button = 1) {
        return Xdotool({QString::fromLatin1(action), QString::number(button)});
    }
    // A point of `area` (table pixels) where the table's own hit test finds `picture`.
    std::optional<QPoint> pointOf(const QRect& area, int picture) {
        const float tpp = table()->twipsPerPixel();
        for (int y = area.top() + 4; y < area.bottom() - 4; y += 3)
            for (int x = area.left() + 4; x < area.right() - 4; x += 3)
                if (window->pointer().PictureAt(float(x) * tpp, float(y) * tpp) == picture)
                    return QPoint(x, y);
        return std::nullopt;
    }
    QRect scorePanel() { return window->scoreTable()->geometry(); }
};

// A card dragged over the open score panel is seen whole above it while it hangs there;
// after it springs back the panel and the card's home look as they did before.
TEST_F(Screen, ADraggedCardPassesAboveTheOpenScorePanelAndLeavesNoTrace) {
    open();
    trigger(&GameMenuActions::showScores);
    const int card = TopCard(s(), 1);
    const QRect home = table()->pixelRect(card), panel = scorePanel();
    const QPoint away(table()->width() - 5, table()->height() - 5);
    ASSERT_EQ(window->pointer().PictureAt(away.x() * table()->twipsPerPixel(),
                                          away.y() * table()->twipsPerPixel()),
              0);
    pointerTo(away);
    QTest::qWait(300);
    const QImage face = ScreenPixels(global(home)), panelBefore = ScreenPixels(global(panel));
    ASSERT_FALSE(face.isNull());

    const QPoint from = grabPoint(card), to = from + panel.center() - home.center();
    pointerTo(from);
    button("mousedown");
    for (int i = 1; i <= 4; ++i) pointerTo(from + (to - from) * i / 4);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return table()->pixelRect(card).center() == panel.center();
    })) << "the card follows the pointer";
    const QRect inner = table()->pixelRect(card).adjusted(8, 8, -8, -8);
    ASSERT_TRUE(panel.contains(inner));
    const QImage wanted = face.copy(inner.translated(-table()->pixelRect(card).topLeft()));
    EXPECT_TRUE(ScreenPixelsOnceEqual(global(inner), wanted) == wanted)
        << "the lifted card is seen whole above the panel";

    button("mouseup");
    pointerTo(away);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table()->pixelRect(card) == home; }));
    EXPECT_TRUE(ScreenPixelsOnceEqual(global(panel), panelBefore) == panelBefore)
        << "no trace of the card on the panel";
    EXPECT_TRUE(ScreenPixelsOnceEqual(global(home), face) == face) << "the card back at home";
}

// The markers of empty piles stand out from the table beneath them.
TEST_F(Screen, TheMarkersOfEmptyPilesAreDrawn) {
    open();
    PileCards p;
    p[1] = {Card(13, 'S')};
    arrange(p, {2});
    QTest::qWait(200);
    const QImage marker = ScreenPixels(global(table()->pixelRect(MarkerOf(13))));
    ASSERT_FALSE(marker.isNull());
    EXPECT_NE(marker.pixel(marker.width() / 2, 1),
              marker.pixel(marker.width() / 2, marker.height() / 2));
}

} // namespace
} // namespace zarn::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zarn::SetApplicationIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
