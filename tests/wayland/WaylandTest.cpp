// The game's window on a Wayland desktop: a real compositor (weston, started around this
// program by run-under-weston) and Qt's Wayland platform. The window shows its table at
// the size the deal asks for, dragged cards move by the rules, a card-size change lays
// the deal out again and the window system's close request saves the settings.
#include "../support/WindowFixture.h"
#include "settings/Settings.h"
#include "settings/SpeedFrame.h"

#include <QApplication>
#include <QWindow>

namespace zarn::test {
namespace {

class Wayland : public WindowFixture {
protected:
    // The outer size the deal asks for, frame and title bar included.
    QSize fitted() {
        const float tpp = table()->twipsPerPixel();
        return QSize(RoundEven(double(float(s().WindowWidth) / tpp)),
                     RoundEven(double(float(s().WindowHeight) / tpp)));
    }
    // Qt draws the frame itself on Wayland; its size is known once the window is mapped.
    void expectTableFitted() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().size() == fitted(); }))
            << "outer " << window->frameGeometry().width() << "x"
            << window->frameGeometry().height() << ", fitted " << fitted().width() << "x"
            << fitted().height();
        EXPECT_TRUE(window->windowHandle()->isExposed());
        EXPECT_TRUE(table()->QWidget::isVisible());
        EXPECT_EQ(table()->width(), window->width());
    }
    std::vector<std::string> piles() { return {s().Piles.begin() + 1, s().Piles.begin() + 21}; }
    bool atHome(int c) {
        return table()->isVisible(c) && RoundEven(table()->left(c)) == s().CardHomeX[c] &&
               RoundEven(table()->top(c)) == s().CardHomeY[c];
    }
};

TEST_F(Wayland, TheWindowPlaysAndSavesItsSettingsOnAWaylandDesktop) {
    writeSettings(".92\r\n75\r\n0\r\nN\r\n");
    start();
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    window->speedFrame()->setValue(1);
    expectTableFitted();
    const QSize first = window->frameGeometry().size();

    // A larger card: the same deal laid out again at the new size, the window refitted.
    const auto dealt = piles();
    const int lastOfColumn8 = TopCard(s(), 8);
    const i16 homeBefore = s().CardHomeY[lastOfColumn8];
    trigger(&GameMenuActions::increaseSize);
    EXPECT_GT(s().SizeScale, 0.92f);
    EXPECT_EQ(piles(), dealt);
    EXPECT_GT(s().CardHomeY[lastOfColumn8], homeBefore);
    for (int c = 1; c <= 52; ++c) EXPECT_TRUE(atHome(c)) << "card " << c;
    expectTableFitted();
    EXPECT_GT(window->frameGeometry().width(), first.width());

    // Column 1's top card dropped on a column whose top is of another suit goes back.
    const int card = TopCard(s(), 1);
    int other = 2;
    while (other <= 8 && SuitOf(s(), TopCard(s(), other)) == SuitOf(s(), card)) ++other;
    ASSERT_LE(other, 8);
    drag(card, other);
    EXPECT_EQ(piles(), dealt);
    EXPECT_TRUE(atHome(card));
    // Dropped on the empty cell 13 it stays there.
    drag(card, 13);
    EXPECT_EQ(FieldCount(s().Piles[13]), 1);
    EXPECT_EQ(TopCard(s(), 13), card);
    EXPECT_EQ(FieldCount(s().Piles[1]), 5);
    EXPECT_TRUE(atHome(card));
    EXPECT_EQ(table()->left(card), table()->left(MarkerOf(13)));
    EXPECT_FALSE(window->actions().increaseSize->isEnabled());

    // The close request of the window system, as the compositor's close button sends it.
    const float scale = s().SizeScale;
    window->windowHandle()->close();
    EXPECT_EQ(rec.endProgramCalls, 1);
    const Settings saved = ParseSettings(readFile(settingsPath()));
    EXPECT_FLOAT_EQ(saved.SizeScale, scale);
    EXPECT_EQ(saved.SpeedValue, 1);
    EXPECT_FALSE(saved.AutoMove);
}

} // namespace
} // namespace zarn::test
