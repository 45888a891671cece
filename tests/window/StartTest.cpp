// Start-up and the way out: the first run, a settings file applied to the window and
// written on exit (damaged files are the settings test's), and the window fitted to the
// deal and never smaller than it needs.
#include "WindowTest.h"
#include "table/Layout.h"

namespace zarn::test {
namespace {

using Start = WindowTest;

TEST_F(Start, TheFirstRunAnnouncesTheFileWhichIsThenKeptUntilTheWayOut) {
    start();
    EXPECT_EQ(rec.notices, std::vector<QString>{"zarn.pro not found, new file created"});
    EXPECT_FALSE(rec.shownAtNotice);
    EXPECT_FALSE(rec.settingsAtNotice) << "the file comes after the message";
    EXPECT_EQ(readFile(settingsPath()), QByteArray(".92\r\n75\r\n0\r\nY\r\n"));
    window.reset();

    const QByteArray mine("1.06\r\n 40 \r\n 5 \r\nN\r\n");
    writeSettings(mine);
    rec = {};
    start();
    EXPECT_TRUE(rec.notices.empty());
    EXPECT_EQ(readFile(settingsPath()), mine) << "not written at start-up";
    EXPECT_EQ(s().Speed, 1600);
    EXPECT_EQ(window->speedFrame()->value(), 40);
    EXPECT_EQ(s().CardHeight, RoundEven(StripBaseHeight * 1.06f));
    EXPECT_EQ(s().BackgroundIndex, 5);
    EXPECT_FALSE(window->actions().autoMove->isChecked());
    window->speedFrame()->setValue(12);
    window->nextBackground();
    window->close();
    EXPECT_EQ(readFile(settingsPath()), QByteArray("01.060\r\n 12 \r\n 6 \r\nN\r\n"));
    EXPECT_EQ(rec.endProgramCalls, 1);
}

TEST_F(Start, TheWindowFitsTheDealAndKeepsTheLeastSizeTheTableNeeds) {
    const auto pixels = [this](int w, int h) {
        const float tpp = table()->twipsPerPixel();
        return QSize(RoundEven(double(float(w) / tpp)), RoundEven(double(float(h) / tpp)));
    };
    const auto least = [&] {
        const WindowSize m = MinimumWindowSize(s(), *table());
        return pixels(m.width, m.height);
    };
    // Outer sizes, frame and title bar included.
    const auto outer = [this] { return window->frameGeometry().size(); };
    const auto resizeTo = [&](QSize size) {
        window->resize(size - (outer() - window->size()));
        QApplication::processEvents();
    };
    writeSettings("2\r\n1\r\n6\r\nY\r\n");
    start();
    EXPECT_EQ(outer(), pixels(s().WindowWidth, s().WindowHeight));
    trigger(&GameMenuActions::decreaseSize);
    const QSize fitted = pixels(s().WindowWidth, s().WindowHeight);
    EXPECT_EQ(outer(), fitted) << "a layout fits the window again";
    EXPECT_EQ(fitted, least());

    resizeTo(QSize(100, 80));
    EXPECT_EQ(outer(), least());
    resizeTo(least() + QSize(-1, 50));
    EXPECT_EQ(outer(), least() + QSize(0, 50));
    const QSize larger = least() + QSize(400, 300);
    resizeTo(larger);
    EXPECT_EQ(outer(), larger);
    EXPECT_GE(table()->background().deviceIndependentSize().width(), table()->width());
    EXPECT_GE(table()->background().deviceIndependentSize().height(), table()->height());

    // The least size follows the foot of column eight.
    fastGlides();
    PileCards p;
    p[8] = {Card(13, 'S'), Card(12, 'S'), Card(1, 'D')};
    arrange(p, {1, 2, 3, 4});
    const int withAce = MinimumWindowSize(s(), *table()).height;
    QTest::mouseDClick(table(), Qt::LeftButton, Qt::NoModifier, grabPoint(Card(1, 'D')));
    EXPECT_EQ(withAce - MinimumWindowSize(s(), *table()).height, s().FanStep);
    resizeTo(QSize(50, 50));
    EXPECT_EQ(outer(), least());
}

} // namespace
} // namespace zarn::test
