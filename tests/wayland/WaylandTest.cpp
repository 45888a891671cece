// The game's window on a Wayland desktop: a real compositor (weston, started around this
// program by run-under-weston) and Qt's Wayland platform. The window shows its table at
// the size the deal asks for, a card-size change lays the deal out again and refits the
// window, and the window system's close request saves the settings. (Presses reach the
// table as on any platform: the window tests drive them.)
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
