// The figures and streaks, the score file read from anything, and the score table: what it
// shows, what reaches the file, reset, and results that must wait for the file.
#include "../support/Files.h"
#include "scores/ScoreTable.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zarn {
namespace {

using test::ReadAll;

TEST(ScoreFile, WrittenWithoutNamesItCannotHoldAndReadAsFarAsItMakesSense) {
    ScoreBook book{{"zarn", {3, 3, 1, 2, 3}}, {"other game", {0, 1, -1, 0, 1}}};
    for (const QString& bad : QStringList{"bad\tname", " padded", QString(65, 'z')}) book[bad] = {};
    EXPECT_EQ(FormatScores(book),
              "ZARN scores 1\nother game\t0\t1\t-1\t0\t1\nzarn\t3\t3\t1\t2\t3\n");
    const ScoreRecord r{5, 7, -3, 4, 5};
    const QByteArray good = "zarn\t5\t7\t-3\t4\t5\n";
    const std::tuple<const char*, QByteArray, ScoreBook> cases[] = {
        {"no header, no last line end", good.chopped(1), {{"zarn", r}}},
        {"too many fields", "zarn\t5\t7\t-3\t4\t5\t9\n", {}},
        {"text for a number", "zarn\t5\tseven\t-3\t4\t5\n", {}},
        {"streaks beyond the games", "zarn\t2\t9\t-16\t5\t1\n", {{"zarn", {2, 9, -9, 2, 9}}}},
        {"huge count", "zarn\t9999999999999\t0\t0\t0\t0", {{"zarn", {MaxScoreCount, 0, 0, 0, 0}}}},
        {"first of a name wins", good + "zarn\t1\t1\t1\t1\t1\n", {{"zarn", r}}},
        {"junk around", "<p>\n\x01\t\t\n" + good + QByteArray(2000, 'x'), {{"zarn", r}}},
    };
    for (const auto& [what, bytes, expected] : cases)
        EXPECT_EQ(ParseScores(bytes), expected) << what;
}

QString Shown(ScoreTable& t) {
    t.show();
    QStringList lines;
    for (const char* label : {"Title", "Played", "Won", "Lost", "Streak", "Longest"})
        lines << t.findChild<QLabel*>(label)->text();
    return lines.join(" / ");
}

class ScoreTableTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("zarn/scores.txt");
    std::unique_ptr<ScoreTable> start(const char* name = "zarn") { // as the window does
        auto t = std::make_unique<ScoreTable>(nullptr, path);
        t->setGameName(name);
        t->setStartupFlagB(true);
        t->setStartupFlagA(true);
        return t;
    }
};

TEST_F(ScoreTableTest, ResultsAreShownAndKeptInTheFileForEveryCopy) {
    auto table = start();
    table->setGameWon(true);
    table->setGameWon(true);
    EXPECT_EQ(ReadAll(path), "ZARN scores 1\nzarn\t2\t0\t2\t2\t0\n");
    auto other = start(); // another copy, or the next run, starts from the file
    EXPECT_EQ(other->figures(), (ScoreRecord{2, 0, 2, 2, 0}));
    other->setGameWon(false);
    table->setScoresRequested(true);
    EXPECT_EQ(Shown(*table), "ZARN scores / Games played: 3 / Won: 2 (67%) / Lost: 1 / "
                             "Current streak: 1 lost / Longest streaks: 2 won, 1 lost");
}

TEST_F(ScoreTableTest, ResetAsksAndKeepsTheOtherGames) {
    start("other")->setGameWon(true);
    auto table = start();
    table->setGameWon(true);
    QString asked;
    table->setConfirm([&](QWidget*, const QString& question) {
        asked = question;
        return false;
    });
    table->show();
    auto* reset = table->findChild<QPushButton*>("ResetButton");
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(asked, "Set the scores of ZARN back to zero?");
    EXPECT_EQ(table->figures().Won, 1);
    table->setConfirm([](QWidget*, const QString&) { return true; });
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_TRUE(Shown(*table).contains("Won: 0 / Lost: 0 / Current streak: none"));
    EXPECT_EQ(ReadAll(path), "ZARN scores 1\nother\t1\t0\t1\t1\t0\n");
}

TEST_F(ScoreTableTest, AResultThatCannotBeWrittenWaitsForTheNextOneOrTheEnd) {
    QFile blocker(dir.filePath("zarn")); // a file where the folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    auto table = start();
    table->setGameWon(true);
    EXPECT_TRUE(Shown(*table).startsWith("ZARN scores (not saved) / Games played: 1"));
    ASSERT_TRUE(blocker.remove());
    table->setGameWon(false);
    EXPECT_EQ(ReadAll(path), "ZARN scores 1\nzarn\t1\t1\t-1\t1\t1\n");
    QLockFile otherCopy(path + ".lock"); // another copy is writing: the result waits
    ASSERT_TRUE(otherCopy.lock());
    table->store().setLockTimeout(0);
    table->setGameWon(false);
    EXPECT_EQ(table->lastError(), "another copy of the game keeps " + path + " locked");
    otherCopy.unlock();
    table.reset(); // and is written on the way out
    EXPECT_EQ(ReadAll(path), "ZARN scores 1\nzarn\t1\t2\t-2\t1\t2\n");
}

// What is locked and read is what is written: the folder renamed and another put under its
// name, or the file turned into a FIFO, between the two changes nothing but the first.
TEST_F(ScoreTableTest, AChangeIsWrittenWhereItWasReadOrNowhere) {
    const QString other = dir.filePath("other");
    ScoreStore store(path);
    ASSERT_TRUE(store.update([](ScoreBook& b) { b["zarn"].record(true); }));
    ASSERT_TRUE(store.update([&](ScoreBook& b) {
        b["zarn"].record(true);
        ASSERT_TRUE(QDir().rename(dir.filePath("zarn"), other) &&
                    QDir().mkpath(dir.filePath("zarn")));
    }));
    EXPECT_EQ(ReadAll(other + "/scores.txt"), "ZARN scores 1\nzarn\t2\t0\t2\t2\t0\n");
    EXPECT_EQ(QDir(dir.filePath("zarn"))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList());
    EXPECT_FALSE(store.update([&](ScoreBook& b) {
        b["zarn"].record(true);
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }));
    EXPECT_TRUE(store.error().endsWith("scores.txt cannot be written (it is not a regular file)"))
        << store.error().toStdString();
}

} // namespace
} // namespace zarn
