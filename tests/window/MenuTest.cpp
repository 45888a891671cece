// The Game menu's commands through their menu actions and shortcuts, and the end of a
// game: the result reported, the settings written, the question asked and obeyed.
#include "WindowTest.h"
#include "ui/HelpWindow.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

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
    EXPECT_EQ(s().CardHeight, RoundEven(StripBaseHeight * MaxScale));
    EXPECT_EQ(s().FanStep, RoundEven(s().CardHeight / 4.75));
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
    trigger(&GameMenuActions::resetPositions);
    EXPECT_EQ(allPiles(), dealt);
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

TEST_F(Menu, CommandsThatChangeTheTableAreIgnoredWhileCardsGlideOnTheirOwn) {
    start();
    window->speedFrame()->setValue(20); // 400 steps: the commands come in between
    arrange(OneMoveAvailable());
    const auto deck = s().SavedDeck;
    const float scale = s().SizeScale;
    QTimer::singleShot(0, [this] {
        for (auto a : {&GameMenuActions::dealAgain, &GameMenuActions::resetPositions,
                       &GameMenuActions::undo, &GameMenuActions::increaseSize})
            trigger(a);
    });
    const QPointF at = QPointF(grabPoint(D1)) * table()->twipsPerPixel();
    window->pointer().DoubleClick(float(at.x()), float(at.y()));
    EXPECT_EQ(cards(17), std::vector<int>{D1});
    EXPECT_EQ(s().SavedDeck, deck);
    EXPECT_EQ(s().SizeScale, scale);
    EXPECT_EQ(storedScores().Lost, 0);
    expectWhole();
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
    // The real question: Yes and No, Yes the default, no icon.
    rec = {};
    rec.realGameOverBox = true;
    start();
    fastGlides();
    arrange(OneMoveFromWinning(), {1});
    QMessageBox* seen = nullptr;
    QString text;
    QMessageBox::StandardButtons buttons;
    OnNextModal([&](QDialog* d) {
        seen = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(seen->windowTitle(), QStringLiteral("CONGRATULATIONS - GAME COMPLETED"));
        EXPECT_EQ(seen->text(), QStringLiteral("another game ?"));
        EXPECT_EQ(seen->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(seen->standardButton(seen->defaultButton()), QMessageBox::Yes);
        EXPECT_EQ(seen->icon(), QMessageBox::NoIcon);
        seen->button(QMessageBox::No)->click();
    });
    QTest::mouseDClick(table(), Qt::LeftButton, Qt::NoModifier, grabPoint(Card(13, 'S')));
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(rec.endProgramCalls, 1);
}

} // namespace
} // namespace zarn::test
