// The Game menu: its items, its shortcuts and nothing else on the keyboard, the card
// size, undo, the speed bar, and the commands that wait for no glide.
#include "WindowTest.h"
#include "settings/Settings.h"

#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

namespace zarn::test {
namespace {

using Menu = WindowTest;

TEST_F(Menu, HoldsTheCommandsInOrderWithSeparatorsTheCheckItemAndTheShortcuts) {
    start();
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("Game"));
    QStringList items;
    for (QAction* a : menus[0]->menu()->actions()) {
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        const QString caption = a->text();
        const QKeySequence expected =
            caption == QLatin1String("Increase Card Size")   ? QKeySequence(Qt::CTRL | Qt::Key_I)
            : caption == QLatin1String("Decrease Card Size") ? QKeySequence(Qt::CTRL | Qt::Key_D)
            : caption == QLatin1String("Exit")               ? QKeySequence(Qt::CTRL | Qt::Key_X)
                                                             : QKeySequence();
        EXPECT_EQ(a->shortcut(), expected) << caption.toStdString();
        EXPECT_EQ(a->isCheckable(), caption == QLatin1String("AutoMove")) << caption.toStdString();
        if (!a->isSeparator()) {
            EXPECT_TRUE(a->isEnabled()) << caption.toStdString();
        }
    }
    EXPECT_EQ(items, (QStringList{"Undo Last Move", "Deal Again", "Reset Positions", "-",
                                  "Increase Card Size", "Decrease Card Size", "-", "Show Scores",
                                  "AutoMove", "-", "Help", "About", "-", "Exit"}));
    EXPECT_TRUE(window->command(QStringLiteral("AutoMove"))->isChecked());
}

TEST_F(Menu, AutoMoveTogglesItsCheckMarkAndTheSetting) {
    start();
    trigger("AutoMove");
    EXPECT_EQ(s().AutoMove, No);
    EXPECT_FALSE(window->command(QStringLiteral("AutoMove"))->isChecked());
    trigger("AutoMove");
    EXPECT_EQ(s().AutoMove, Yes);
    EXPECT_TRUE(window->command(QStringLiteral("AutoMove"))->isChecked());
}

TEST_F(Menu, CtrlIAndCtrlDChangeTheCardSizeAndTheFileKeepsIt) {
    start();
    activate();
    const i16 width = s().CardWidth;
    const QSize size = window->size();
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(s().SizeScale, 0.94f);
    EXPECT_GT(s().CardWidth, width);
    EXPECT_GT(window->width(), size.width()) << "the window is fitted to the larger deal";
    expectPlayable();
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(s().SizeScale, 0.98f);
    trigger("Exit");
    EXPECT_TRUE(readFile(settingsPath()).startsWith("00.980\r\n"));

    window.reset();
    start();
    activate();
    EXPECT_FLOAT_EQ(s().SizeScale, 0.98f);
    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(s().SizeScale, 0.96f);
    trigger("Exit");
    EXPECT_TRUE(readFile(settingsPath()).startsWith("00.960\r\n"));
}

TEST_F(Menu, TheCardSizeStopsAtItsLimits) {
    writeSettings("1.99\r\n75\r\n0\r\nY\r\n");
    start();
    trigger("Increase Card Size");
    trigger("Increase Card Size");
    EXPECT_FLOAT_EQ(s().SizeScale, 2.0f);
    expectPlayable();
    trigger("Exit");
    EXPECT_TRUE(readFile(settingsPath()).startsWith("02.000\r\n"));

    window.reset();
    writeSettings("0.41\r\n75\r\n0\r\nY\r\n");
    start();
    trigger("Decrease Card Size");
    trigger("Decrease Card Size");
    EXPECT_FLOAT_EQ(s().SizeScale, 0.4f);
    expectPlayable();
    trigger("Exit");
    EXPECT_TRUE(readFile(settingsPath()).startsWith("00.400\r\n"));
}

TEST_F(Menu, TheSizeCommandsAreOffAfterAMoveUntilDealAgainOrResetPositions) {
    start();
    activate();
    fastGlides();
    QAction* larger = window->command(QStringLiteral("Increase Card Size"));
    QAction* smaller = window->command(QStringLiteral("Decrease Card Size"));
    const PileCards deal = allPiles();

    arrange(OneMoveFromBlocked(true));
    doubleClick(Card(6, 'S'));
    ASSERT_EQ(cards(1).back(), Card(6, 'S'));
    EXPECT_FALSE(larger->isEnabled());
    EXPECT_FALSE(smaller->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(s().SizeScale, 0.92f);

    trigger("Reset Positions");
    EXPECT_TRUE(larger->isEnabled());
    EXPECT_TRUE(smaller->isEnabled());
    EXPECT_EQ(allPiles(), deal) << "the same deal from its start";
    EXPECT_TRUE(s().MovesList.empty());
    expectPlayable();

    arrange(OneMoveFromBlocked(true));
    doubleClick(Card(6, 'S'));
    EXPECT_FALSE(larger->isEnabled());
    trigger("Deal Again");
    EXPECT_TRUE(larger->isEnabled());
    EXPECT_TRUE(smaller->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(s().SizeScale, 0.90f);
}

TEST_F(Menu, UndoPutsTheCardBackOnItsPileAndItsPlace) {
    start();
    fastGlides();
    arrange(OneMoveFromBlocked(true));
    const PileCards before = allPiles();
    const auto places = positions();
    doubleClick(Card(6, 'S'));
    ASSERT_NE(allPiles(), before);
    EXPECT_EQ(s().MovesList.size(), 3u) << "one move, three lines";
    trigger("Undo Last Move");
    EXPECT_EQ(allPiles(), before);
    EXPECT_EQ(positions(), places);
    EXPECT_TRUE(s().MovesList.empty());
    // Nothing left to undo: nothing happens.
    trigger("Undo Last Move");
    EXPECT_EQ(allPiles(), before);
}

TEST_F(Menu, KeysThatAreNoShortcutChangeNothing) {
    start();
    activate();
    const PileCards piles = allPiles();
    const auto places = positions();
    const int speed = window->speedFrame()->value();
    const QSize size = window->size();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_A, Qt::NoModifier},          {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_Return, Qt::NoModifier},     {Qt::Key_Escape, Qt::NoModifier},
        {Qt::Key_Left, Qt::NoModifier},       {Qt::Key_Right, Qt::NoModifier},
        {Qt::Key_PageUp, Qt::NoModifier},     {Qt::Key_Home, Qt::NoModifier},
        {Qt::Key_Delete, Qt::NoModifier},     {Qt::Key_F1, Qt::NoModifier},
        {Qt::Key_Z, Qt::ControlModifier},     {Qt::Key_N, Qt::ControlModifier},
        {Qt::Key_I, Qt::NoModifier},          {Qt::Key_D, Qt::ShiftModifier},
        {Qt::Key_X, Qt::AltModifier},         {Qt::Key_Plus, Qt::ControlModifier},
        {Qt::Key_Minus, Qt::ControlModifier}, {Qt::Key_Tab, Qt::NoModifier},
    };
    for (const auto& [key, modifiers] : keys) {
        QTest::keyClick(window.get(), key, modifiers);
        QTest::keyClick(table(), key, modifiers);
    }
    EXPECT_EQ(allPiles(), piles);
    EXPECT_EQ(positions(), places);
    EXPECT_FLOAT_EQ(s().SizeScale, 0.92f);
    EXPECT_EQ(window->speedFrame()->value(), speed);
    EXPECT_EQ(window->size(), size);
    EXPECT_EQ(window->helpWindow(), nullptr);
    EXPECT_EQ(rec.endProgramCalls, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->scoreTable()->isVisible());
}

TEST_F(Menu, TheSpeedBarSetsTheGlideStepsToTheSquareOfItsValue) {
    start();
    SpeedFrame* frame = window->speedFrame();
    QScrollBar* bar = frame->speedRange();
    EXPECT_EQ(bar->toolTip(), QStringLiteral("Incease/decrease Autosolve speed"));
    EXPECT_EQ(bar->singleStep(), 5);
    EXPECT_EQ(bar->pageStep(), 25);
    // A click on the arrow at the right ("F") end makes glides faster.
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                      QPoint(bar->width() - 3, bar->height() / 2));
    EXPECT_EQ(frame->value(), 70);
    EXPECT_EQ(s().Speed, 4900);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(3, bar->height() / 2));
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(3, bar->height() / 2));
    EXPECT_EQ(frame->value(), 80);
    EXPECT_EQ(s().Speed, 6400);
    for (int v : {1, 2, 37, 99, 100}) {
        frame->setValue(v);
        EXPECT_EQ(s().Speed, v * v) << v;
    }
    trigger("Exit");
    EXPECT_EQ(readFile(settingsPath()), QByteArray("00.920\r\n 100 \r\n 0 \r\nY\r\n"));
}

// During a long glide a timer fires the commands that change the table; they are all
// ignored, and the glide ends where it was going.
TEST_F(Menu, CommandsThatChangeTheTableAreIgnoredWhileACardGlides) {
    start();
    window->speedFrame()->setValue(100); // 10,000 steps
    arrange(OneMoveFromBlocked(true));
    const auto deck = s().SavedDeck;
    bool gliding = false;
    QTimer::singleShot(0, [&] {
        gliding = s().Busy == Yes;
        for (const char* c : {"Deal Again", "Reset Positions", "Undo Last Move",
                              "Increase Card Size", "Decrease Card Size"})
            trigger(c);
        trigger("Show Scores"); // changes no card
    });
    doubleClick(Card(6, 'S'));
    EXPECT_TRUE(gliding);
    EXPECT_EQ(s().Busy, No);
    EXPECT_EQ(cards(1).back(), Card(6, 'S'));
    EXPECT_EQ(cards(8).back(), Card(3, 'S'));
    EXPECT_EQ(s().MovesList.size(), 3u);
    EXPECT_EQ(s().SavedDeck, deck);
    EXPECT_FLOAT_EQ(s().SizeScale, 0.92f);
    EXPECT_EQ(storedScores().played(), 0) << "no Deal Again was reported";
    EXPECT_TRUE(window->scoreTable()->isVisible());
    EXPECT_EQ(RoundEven(table()->left(Card(6, 'S'))), s().CardHomeX[Card(6, 'S')]);
    EXPECT_EQ(RoundEven(table()->top(Card(6, 'S'))), s().CardHomeY[Card(6, 'S')]);
    // Afterwards they work again.
    trigger("Undo Last Move");
    EXPECT_EQ(cards(8).back(), Card(6, 'S'));
}

} // namespace
} // namespace zarn::test

namespace zarn::test {
namespace {

// "Exit" is no table command: it ends the program in the middle of a glide, with the
// settings written and the card left out of the piles' books.
TEST_F(Menu, ExitDuringAGlideSavesAndStopsIt) {
    start();
    window->speedFrame()->setValue(100);
    arrange(OneMoveFromBlocked(true));
    const PileCards before = allPiles();
    bool gliding = false;
    QTimer::singleShot(0, [&] {
        gliding = s().Busy == Yes;
        trigger("Exit");
    });
    doubleClick(Card(6, 'S'));
    EXPECT_TRUE(gliding);
    EXPECT_EQ(rec.endProgramCalls, 1);
    EXPECT_EQ(readFile(settingsPath()), QByteArray("00.920\r\n 100 \r\n 0 \r\nY\r\n"));
    EXPECT_EQ(allPiles(), before) << "the move was never made";
    EXPECT_TRUE(s().MovesList.empty());
    EXPECT_TRUE(rec.gameOverTitles.empty());
}

} // namespace
} // namespace zarn::test
