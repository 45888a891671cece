// The Game menu's commands through their menu actions and shortcuts, and the end of a
// game: the result reported, the settings written, the question asked and obeyed.
#include "WindowTest.h"
#include "ui/HelpWindow.h"

#include <QElapsedTimer>
#include <QMenuBar>

namespace zarn::test {
namespace {

using Menu = WindowTest;

const int D1 = Card(1, 'D'), H9 = Card(9, 'H'), H10 = Card(10, 'H');

PileCards OneMoveAvailable() {
    PileCards p;
    p[1] = {H9};
    p[4] = {D1};
    p[5] = {H10};
    return p;
}

TEST_F(Menu, EveryCommandDoesWhatItSays) {
    writeSettings("1.96\r\n1\r\n0\r\nY\r\n");
    start();
    QStringList captions;
    for (QAction* a : window->menuBar()->actions().first()->menu()->actions())
        if (!a->isSeparator()) captions << a->text() + a->shortcut().toString();
    EXPECT_EQ(captions, QStringList({"Undo Last Move", "Deal Again", "Reset Positions",
                                     "Increase Card SizeCtrl+I", "Decrease Card SizeCtrl+D",
                                     "Show Scores", "AutoMove", "Help", "About", "ExitCtrl+X"}));
    const PileCards dealt = allPiles();

    trigger(&GameMenuActions::autoMove);
    EXPECT_FALSE(window->actions().autoMove->isChecked());
    EXPECT_EQ(s().AutoMove, No);

    // The card size: up to its limit by Ctrl+I, the deal laid out at each size.
    for (int i = 0; i < 3; ++i) QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(s().SizeScale, MaxScale);
    EXPECT_EQ(table()->pixelRect(1).width(), RoundEven(s().CardWidth / table()->twipsPerPixel()));
    EXPECT_EQ(allPiles(), dealt);
    expectWhole();

    // A move turns the size commands off; undo takes it back; reset turns them on.
    arrange(OneMoveAvailable());
    drag(H9, 5);
    EXPECT_EQ(cards(5), (std::vector<int>{H10, H9}));
    EXPECT_FALSE(window->actions().increaseSize->isEnabled());
    EXPECT_FALSE(window->actions().decreaseSize->isEnabled());
    trigger(&GameMenuActions::undo);
    EXPECT_EQ(cards(1), std::vector<int>{H9});
    expectWhole();
    const QSize fitted = window->size();
    window->resize(fitted + QSize(40, 30));
    trigger(&GameMenuActions::resetPositions);
    EXPECT_EQ(allPiles(), dealt);
    EXPECT_EQ(window->size(), fitted) << "the window fitted to the deal again";
    EXPECT_TRUE(window->actions().decreaseSize->isEnabled());
    for (int i = 0; i < 90; ++i) trigger(&GameMenuActions::decreaseSize);
    EXPECT_EQ(s().SizeScale, MinScale);

    // "Deal Again" deals anew and counts the deal given up as lost.
    const auto deck = s().SavedDeck;
    trigger(&GameMenuActions::dealAgain);
    EXPECT_NE(s().SavedDeck, deck);
    EXPECT_EQ(storedScores().Lost, 1);
    expectWhole();

    trigger(&GameMenuActions::showScores);
    EXPECT_TRUE(window->scoreTable()->isVisible());
    trigger(&GameMenuActions::help);
    ASSERT_NE(window->helpWindow(), nullptr);
    EXPECT_TRUE(window->helpWindow()->isVisible());
    QString aboutTitle;
    OnNextModal([&](QDialog* box) {
        aboutTitle = box->windowTitle();
        box->reject();
    });
    trigger(&GameMenuActions::about);
    EXPECT_EQ(aboutTitle, QStringLiteral("About ZARN"));

    // Ctrl+X: the values in force are written, the help window goes, the program ends.
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(readFile(settingsPath()), QByteArray("00.400\r\n 1 \r\n 0 \r\nN\r\n"));
    EXPECT_EQ(window->helpWindow(), nullptr);
    EXPECT_EQ(rec.endProgramCalls, 1);
}

// Three suits home and the spades up to the queen: the king of spades in a cell wins.
PileCards OneMoveFromWinning() {
    PileCards p;
    for (int c = 1; c <= 51; ++c) p[17 + (c - 1) / 13].push_back(c);
    p[9] = {Card(13, 'S')};
    return p;
}

// Every card showing is a 7, 9, jack or king but the six of spades on the three of
// spades, which goes onto the seven of spades; then nothing can move.
PileCards OneMoveFromBlocked() {
    PileCards p;
    const char* suits = "CCCCDDDD";
    const int ranks[] = {13, 11, 9, 7};
    for (int i = 0; i < 8; ++i) p[9 + i] = {Card(ranks[i % 4], suits[i])};
    const int tops[] = {Card(7, 'S'), Card(13, 'H'), Card(11, 'H'), Card(9, 'H'),
                        Card(7, 'H'), Card(13, 'S'), Card(11, 'S')};
    for (int i = 0; i < 7; ++i) p[1 + i] = {tops[i]};
    p[8] = {Card(3, 'S'), Card(6, 'S')};
    return p;
}

// At the window's pace every step of a glide is taken, at its own position, and the
// glide lasts as long as its steps (their moments fall due in batches of 2 ms).
TEST_F(Menu, APacedGlideTakesEveryStepInItsTime) {
    pacedGlides = true;
    start();
    window->speedFrame()->setValue(30); // 900 steps of 55 µs
    arrange(OneMoveAvailable());
    const double x0 = s().CardHomeX[D1], x1 = s().CardHomeX[MarkerOf(17)];
    const double y0 = s().CardHomeY[D1], y1 = s().CardHomeY[MarkerOf(17)];
    std::vector<std::pair<float, float>> seen; // the ace's corner at each yield of its glide
    std::function<void()> watch = [&] {
        if (s().Busy != Yes) return;
        seen.emplace_back(table()->left(D1), table()->top(D1));
        QTimer::singleShot(0, watch);
    };
    QTimer::singleShot(0, watch);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseDClick(table(), Qt::LeftButton, Qt::NoModifier, grabPoint(D1));
    EXPECT_GE(clock.nsecsElapsed(), 900 * 55'000 - 2'000'000);
    ASSERT_EQ(seen.size(), 898u);
    for (int i = 2; i < 898; ++i)
        ASSERT_EQ(seen[i - 1], std::make_pair(float(x0 + i * ((x1 - x0) / 900)),
                                              float(y0 + i * ((y1 - y0) / 900))))
            << i;
    EXPECT_EQ(cards(17), std::vector<int>{D1});
}

TEST_F(Menu, AGameWonOrBlockedIsReportedSavedAndAnswered) {
    struct Row {
        PileCards piles;
        int card;
        bool answer;
        const char* title;
    };
    const Row rows[] = {
        {OneMoveFromWinning(), Card(13, 'S'), true, "CONGRATULATIONS - GAME COMPLETED"},
        {OneMoveFromBlocked(), Card(6, 'S'), false, "SORRY, NO MORE MOVES LEFT !"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.title);
        rec = {};
        rec.answer = row.answer;
        QFile::remove(scorePath());
        start();
        fastGlides();
        arrange(row.piles, {1, 2, 3, 4, 5, 6, 7});
        const auto deck = s().SavedDeck;
        QTest::mouseDClick(table(), Qt::LeftButton, Qt::NoModifier, grabPoint(row.card));
        EXPECT_EQ(rec.gameOverTitles, std::vector<QString>{row.title});
        EXPECT_EQ(rec.settingsAtQuestion, QByteArray("00.920\r\n 1 \r\n 0 \r\nY\r\n"));
        EXPECT_EQ(storedScores().Won, row.answer ? 1 : 0);
        EXPECT_EQ(storedScores().Lost, row.answer ? 0 : 1);
        EXPECT_EQ(rec.endProgramCalls, row.answer ? 0 : 1);
        EXPECT_EQ(s().SavedDeck != deck, row.answer) << "Yes deals anew";
        if (row.answer) {
            EXPECT_TRUE(s().MovesList.empty());
            expectWhole();
        }
    }
}

} // namespace
} // namespace zarn::test
