// The end of a game: the result reported, the settings written, the question asked and
// its answer obeyed; "Deal Again" counting as a game lost.
#include "WindowTest.h"

namespace zarn::test {
namespace {

class GameOver : public WindowTest {
protected:
    // The settings file as it was when "another game ?" was asked.
    QByteArray fileAtQuestion;
    MainWindow& startRecordingFile() {
        MainWindowOptions o = options();
        o.askAnotherGame = [this](const QString& title) {
            rec.gameOverTitles.push_back(title);
            fileAtQuestion = readFile(settingsPath());
            return rec.answer;
        };
        startWith(o);
        fastGlides();
        return *window;
    }
};

TEST_F(GameOver, WinningAndAnsweringYesDealsANewGameWithAnEmptyHistory) {
    startRecordingFile();
    arrange(OneMoveFromWinning());
    const auto dealBefore = s().SavedDeck;
    doubleClick(Card(13, 'S'));
    ASSERT_EQ(rec.gameOverTitles.size(), 1u);
    EXPECT_EQ(rec.gameOverTitles[0], QStringLiteral("CONGRATULATIONS - GAME COMPLETED"));
    EXPECT_EQ(fileAtQuestion, QByteArray("00.920\r\n 1 \r\n 0 \r\nY\r\n"));
    const ScoreRecord scores = storedScores();
    EXPECT_EQ(scores.Won, 1);
    EXPECT_EQ(scores.Lost, 0);

    // A fresh deal: four cells of one card, six cards in each column, nothing home.
    EXPECT_EQ(rec.endProgramCalls, 0);
    EXPECT_NE(s().SavedDeck, dealBefore);
    for (int p = 1; p <= 8; ++p) EXPECT_EQ(cards(p).size(), 6u) << p;
    for (int p = 9; p <= 16; ++p) EXPECT_EQ(cards(p).size(), p <= 12 ? 1u : 0u) << p;
    for (int p = 17; p <= 20; ++p) EXPECT_TRUE(cards(p).empty()) << p;
    EXPECT_TRUE(s().MovesList.empty());
    expectPlayable();
}

TEST_F(GameOver, ABlockedGameAnsweredNoEndsTheProgramWithTheFileAlreadyWritten) {
    rec.answer = false;
    startRecordingFile();
    window->speedFrame()->setValue(3); // 9 steps
    arrange(OneMoveFromBlocked());
    doubleClick(Card(6, 'S'));
    EXPECT_EQ(cards(1).back(), Card(6, 'S'));
    ASSERT_EQ(rec.gameOverTitles.size(), 1u);
    EXPECT_EQ(rec.gameOverTitles[0], QStringLiteral("SORRY, NO MORE MOVES LEFT !"));
    EXPECT_EQ(fileAtQuestion, QByteArray("00.920\r\n 3 \r\n 0 \r\nY\r\n"));
    EXPECT_EQ(rec.endProgramCalls, 1);
    const ScoreRecord scores = storedScores();
    EXPECT_EQ(scores.Won, 0);
    EXPECT_EQ(scores.Lost, 1);
    // Nothing moves any more, and the table was not dealt again.
    EXPECT_TRUE(window->game().Ended());
    const PileCards after = allPiles();
    doubleClick(Card(11, 'S'));
    trigger("Deal Again");
    EXPECT_EQ(allPiles(), after);
}

TEST_F(GameOver, TheRealQuestionIsAYesNoBoxWithYesAsDefaultAndNoIcon) {
    MainWindowOptions o = options();
    o.askAnotherGame = nullptr; // the program's own box
    startWith(o);
    fastGlides();
    arrange(OneMoveFromBlocked());
    SeenBox box;
    AnswerNextBox(box, QMessageBox::Yes);
    doubleClick(Card(6, 'S'));
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, QStringLiteral("SORRY, NO MORE MOVES LEFT !"));
    EXPECT_EQ(box.text, QStringLiteral("another game ?"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.defaultButton, QMessageBox::Yes);
    EXPECT_EQ(rec.endProgramCalls, 0);
    expectPlayable(); // Yes dealt a new game

    // No, on the real box, ends the program.
    arrange(OneMoveFromBlocked());
    AnswerNextBox(box, QMessageBox::No);
    doubleClick(Card(6, 'S'));
    EXPECT_EQ(rec.endProgramCalls, 1);
    EXPECT_EQ(storedScores().Lost, 2);
}

TEST_F(GameOver, YesKeepsTheSizeCommandsAsTheyWere) {
    startRecordingFile();
    arrange(OneMoveFromBlocked());
    doubleClick(Card(6, 'S'));
    ASSERT_EQ(rec.gameOverTitles.size(), 1u);
    EXPECT_FALSE(window->command(QStringLiteral("Increase Card Size"))->isEnabled());
    EXPECT_FALSE(window->command(QStringLiteral("Decrease Card Size"))->isEnabled());
}

TEST_F(GameOver, DealAgainReportsALossBeforeDealingEveryTime) {
    start();
    EXPECT_FALSE(QFile::exists(scorePath()));
    const auto first = s().SavedDeck;
    trigger("Deal Again");
    ScoreRecord scores = storedScores();
    EXPECT_EQ(scores.Won, 0);
    EXPECT_EQ(scores.Lost, 1);
    EXPECT_EQ(scores.Streak, -1);
    EXPECT_EQ(window->scoreTable()->figures(), scores);
    EXPECT_NE(s().SavedDeck, first);
    expectPlayable();

    // Also after a won game: the losing streak starts again.
    fastGlides();
    arrange(OneMoveFromWinning());
    doubleClick(Card(13, 'S'));
    trigger("Deal Again");
    scores = storedScores();
    EXPECT_EQ(scores.Won, 1);
    EXPECT_EQ(scores.Lost, 2);
    EXPECT_EQ(scores.Streak, -1);
    EXPECT_EQ(scores.LongestWinStreak, 1);
    EXPECT_EQ(scores.LongestLossStreak, 1);
    EXPECT_TRUE(rec.gameOverTitles.size() == 1u);
}

TEST_F(GameOver, ShowScoresShowsThePanelInFrontAtItsPlaceAndLeavesTheGameAlone) {
    start();
    ScoreTable* panel = window->scoreTable();
    EXPECT_FALSE(panel->isVisible());
    trigger("Deal Again");
    const PileCards piles = allPiles();
    trigger("Show Scores");
    EXPECT_TRUE(panel->isVisible());
    const float tpp = table()->twipsPerPixel();
    const QRect place = panel->geometry();
    EXPECT_NEAR(place.x(), 3390 / tpp, 1);
    EXPECT_NEAR(place.y(), 1170 / tpp, 1);
    EXPECT_NEAR(place.width(), 3555 / tpp, 1);
    EXPECT_NEAR(place.height(), 1815 / tpp, 1);
    EXPECT_EQ(panel->parentWidget(), table());
    EXPECT_EQ(table()->children().last(), panel) << "in front of the speed panel";
    EXPECT_EQ(panel->figures().Lost, 1);
    EXPECT_EQ(allPiles(), piles);
    EXPECT_EQ(storedScores().played(), 1) << "showing is not playing";
}

} // namespace
} // namespace zarn::test
