// The score table on the main window: results, the file, reset, two copies at once.
#include "scores/ScoreTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace zarn {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString Text(const ScoreTable& t, const char* label) {
    auto* l = t.findChild<QLabel*>(label);
    return l ? l->text() : QStringLiteral("<missing>");
}

class ScoreTableTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("zarn/scores.txt")); }

    // Set up as the main window does at start-up.
    std::unique_ptr<ScoreTable> startTable(QWidget* parent = nullptr) {
        auto t = std::make_unique<ScoreTable>(parent, path());
        t->setGameName(QStringLiteral("zarn"));
        t->setStartupFlagB(true);
        t->setStartupFlagA(true);
        return t;
    }
};

TEST_F(ScoreTableTest, HiddenAtStartInItsPlaceOnTheWindow) {
    QWidget window;
    window.resize(700, 650);
    auto table = startTable(&window);
    window.show();
    EXPECT_FALSE(table->isVisible());
    table->setTwipsPerPixel(15);
    EXPECT_EQ(table->geometry(), QRect(226, 78, 237, 121));
    table->setTwipsPerPixel(7.5f);
    EXPECT_EQ(table->geometry(), QRect(452, 156, 474, 242));
    EXPECT_EQ(table->parentWidget(), &window);
}

TEST_F(ScoreTableTest, ResultsAreShownAndKeptInTheFile) {
    auto table = startTable();
    table->setGameWon(true);
    table->setGameWon(true);
    table->setGameWon(false);
    EXPECT_EQ(ReadAll(path()), QByteArray("ZARN scores 1\nzarn\t2\t1\t-1\t2\t1\n"));
    EXPECT_EQ(table->figures(), (ScoreRecord{2, 1, -1, 2, 1}));
    table->setScoresRequested(true);
    table->show();
    EXPECT_EQ(Text(*table, "Title"), QStringLiteral("ZARN scores"));
    EXPECT_EQ(Text(*table, "Played"), QStringLiteral("Games played: 3"));
    EXPECT_EQ(Text(*table, "Won"), QStringLiteral("Won: 2 (67%)"));
    EXPECT_EQ(Text(*table, "Lost"), QStringLiteral("Lost: 1"));
    EXPECT_EQ(Text(*table, "Streak"), QStringLiteral("Current streak: 1 lost"));
    EXPECT_EQ(Text(*table, "Longest"), QStringLiteral("Longest streaks: 2 won, 1 lost"));

    // The next run starts from the stored figures.
    table.reset();
    auto next = startTable();
    EXPECT_EQ(next->figures(), (ScoreRecord{2, 1, -1, 2, 1}));
    next->setGameWon(true);
    EXPECT_EQ(next->figures(), (ScoreRecord{3, 1, 1, 2, 1}));
}

TEST_F(ScoreTableTest, CloseHidesTheTable) {
    auto table = startTable();
    table->show();
    QTest::mouseClick(table->findChild<QPushButton*>("CloseButton"), Qt::LeftButton);
    EXPECT_FALSE(table->isVisible());
}

TEST_F(ScoreTableTest, ResetAsksAndKeepsOtherGames) {
    QDir().mkpath(dir.filePath("zarn"));
    WriteAll(path(), "ZARN scores 1\nother\t4\t4\t0\t2\t2\nzarn\t3\t1\t2\t2\t1\n");
    auto table = startTable();
    table->show();
    bool answer = false;
    QString asked;
    table->setConfirm([&](QWidget*, const QString& q) {
        asked = q;
        return answer;
    });
    auto* reset = table->findChild<QPushButton*>("ResetButton");
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("Set the scores of ZARN back to zero?"));
    EXPECT_EQ(table->figures(), (ScoreRecord{3, 1, 2, 2, 1}));
    answer = true;
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(table->figures(), ScoreRecord{});
    EXPECT_EQ(ReadAll(path()), QByteArray("ZARN scores 1\nother\t4\t4\t0\t2\t2\n"));
    EXPECT_EQ(Text(*table, "Played"), QStringLiteral("Games played: 0"));
    EXPECT_EQ(Text(*table, "Won"), QStringLiteral("Won: 0"));
}

TEST_F(ScoreTableTest, TheRealConfirmationBoxCanBeDeclinedAndAccepted) {
    auto table = startTable();
    table->setGameWon(true);
    table->show();
    auto answerWith = [](QMessageBox::StandardButton button, QString* title) {
        QTimer::singleShot(0, [button, title] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            *title = box->windowTitle();
            box->button(button)->click();
        });
    };
    QString title;
    auto* reset = table->findChild<QPushButton*>("ResetButton");
    answerWith(QMessageBox::No, &title);
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("ZARN"));
    EXPECT_EQ(table->figures().Won, 1);
    answerWith(QMessageBox::Yes, &title);
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(table->figures(), ScoreRecord{});
}

TEST_F(ScoreTableTest, TwoTablesOnOneFileLoseNothing) {
    auto first = startTable();
    auto second = startTable();
    for (int i = 0; i < 10; ++i) {
        first->setGameWon(true);
        second->setGameWon(false);
    }
    EXPECT_EQ(ParseScores(ReadAll(path()))[QStringLiteral("zarn")].played(), 20);
    first->setScoresRequested(true);
    EXPECT_EQ(first->figures().Won, 10);
    EXPECT_EQ(first->figures().Lost, 10);
    EXPECT_EQ(first->figures().Streak, -1);
}

TEST_F(ScoreTableTest, TwoRunningCopiesWritingAtOnceLoseNothing) {
    const QString program = QCoreApplication::applicationFilePath();
    QProcess winner, loser;
    for (QProcess* p : {&winner, &loser}) p->setProcessChannelMode(QProcess::ForwardedChannels);
    winner.start(program, {"--record", path(), "25", "won"});
    loser.start(program, {"--record", path(), "25", "lost"});
    ASSERT_TRUE(winner.waitForFinished(120000));
    ASSERT_TRUE(loser.waitForFinished(120000));
    EXPECT_EQ(winner.exitCode(), 0);
    EXPECT_EQ(loser.exitCode(), 0);
    const ScoreRecord r = ParseScores(ReadAll(path()))[QStringLiteral("zarn")];
    EXPECT_EQ(r.Won, 25);
    EXPECT_EQ(r.Lost, 25);
    EXPECT_FALSE(QFile::exists(path() + ".lock"));
}

TEST_F(ScoreTableTest, AResultThatCannotBeWrittenWaitsForTheNextOne) {
    // The data folder cannot be made while a plain file stands in its place.
    WriteAll(dir.filePath("zarn"), "in the way");
    auto table = startTable();
    table->setGameWon(true);
    EXPECT_EQ(table->pendingResults(), 1);
    EXPECT_FALSE(table->lastError().isEmpty());
    EXPECT_EQ(table->figures().Won, 1);
    EXPECT_EQ(Text(*table, "Title"), QStringLiteral("ZARN scores (not saved)"));

    ASSERT_TRUE(QFile::remove(dir.filePath("zarn")));
    table->setGameWon(false);
    EXPECT_EQ(table->pendingResults(), 0);
    EXPECT_TRUE(table->lastError().isEmpty());
    EXPECT_EQ(ReadAll(path()), QByteArray("ZARN scores 1\nzarn\t1\t1\t-1\t1\t1\n"));
    EXPECT_EQ(Text(*table, "Title"), QStringLiteral("ZARN scores"));
}

TEST_F(ScoreTableTest, AResultStillPendingAtTheEndIsWrittenOnTheWayOut) {
    WriteAll(dir.filePath("zarn"), "in the way");
    auto table = startTable();
    table->setGameWon(true);
    ASSERT_EQ(table->pendingResults(), 1);
    ASSERT_TRUE(QFile::remove(dir.filePath("zarn")));
    table.reset();
    EXPECT_EQ(ReadAll(path()), QByteArray("ZARN scores 1\nzarn\t1\t0\t1\t1\t0\n"));
}

TEST_F(ScoreTableTest, ADamagedFileIsReadAsFarAsItGoesAndRewrittenSoundly) {
    QDir().mkpath(dir.filePath("zarn"));
    WriteAll(path(), QByteArray("\xff\xfe garbage\n", 11) + "zarn\t2\tx\t0\t0\t0\n" +
                         "other\t1\t0\t1\t1\t0\n");
    auto table = startTable();
    EXPECT_EQ(table->figures(), ScoreRecord{});
    table->setGameWon(false);
    EXPECT_EQ(ReadAll(path()),
              QByteArray("ZARN scores 1\nother\t1\t0\t1\t1\t0\nzarn\t0\t1\t-1\t0\t1\n"));
}

TEST_F(ScoreTableTest, StartupFlagAFalseCountsOnlyThisSession) {
    auto table = std::make_unique<ScoreTable>(nullptr, path());
    table->setGameName(QStringLiteral("zarn"));
    table->setStartupFlagB(true);
    table->setStartupFlagA(false);
    table->setGameWon(true);
    EXPECT_EQ(table->figures().Won, 1);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(ScoreTableTest, GameNamesAreKeptApart) {
    auto table = startTable();
    table->setGameWon(true);
    table->setGameName(QStringLiteral("zarn\tsecond\n"));
    EXPECT_EQ(table->gameName(), QStringLiteral("zarn second"));
    EXPECT_EQ(table->figures(), ScoreRecord{});
    table->setGameWon(false);
    const ScoreBook book = ParseScores(ReadAll(path()));
    ASSERT_EQ(book.size(), 2u);
    EXPECT_EQ(book.at(QStringLiteral("zarn")).Won, 1);
    EXPECT_EQ(book.at(QStringLiteral("zarn second")).Lost, 1);
}

} // namespace
} // namespace zarn
