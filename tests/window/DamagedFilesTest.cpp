// Settings and score files the program did not write: each one still gives a table
// that can be played, and the way out leaves sound files behind.
#include "WindowTest.h"
#include "settings/Settings.h"

#include <QDir>

namespace zarn::test {
namespace {

struct DamagedSettings {
    const char* what;
    QByteArray bytes;
    // What the game makes of it.
    float scale;
    int speed;
    int background;
    bool autoMove;
    bool announced; // treated as missing: the message, then the defaults
};

QByteArray Junk(int length, unsigned seed) {
    QByteArray out;
    for (int i = 0; i < length; ++i) {
        seed = seed * 1103515245u + 12345u;
        out.append(char(seed >> 16));
    }
    return out;
}

std::vector<DamagedSettings> DamagedSettingsFiles() {
    return {
        {"empty", QByteArray(), 0.92f, 75, 0, true, true},
        {"one line", "1.5\r\n", 1.5f, 75, 0, true, false},
        {"two lines without an end", "0.6\r\n 20", 0.6f, 20, 0, true, false},
        {"words for numbers", "big\r\nfast\r\nblue\r\nYes\r\n", 0.92f, 75, 0, true, false},
        {"numbers far too large", "9.5\r\n500\r\n99\r\nY\r\n", 2.0f, 100, 0, true, false},
        {"negative numbers", "-3\r\n-20\r\n-1\r\nN\r\n", 0.4f, 1, 0, false, false},
        {"just below the smallest", "0.39\r\n0\r\n18\r\nY\r\n", 0.4f, 1, 0, true, false},
        {"huge exponents", "1e308\r\n99999999999999999999\r\n1e40\r\nY\r\n", 2.0f, 100, 0, true,
         false},
        {"not numbers at all", "nan\r\ninf\r\n-inf\r\nY\r\n", 0.92f, 75, 0, true, false},
        {"a very long first line", QByteArray(20000, '7') + "\r\n 30 \r\n 2 \r\nY\r\n", 0.92f, 30,
         2, true, false},
        {"a very long speed line", "1\r\n" + QByteArray(20000, ' ') + "40\r\n4\r\nN\r\n", 1.0f, 40,
         4, false, false},
        {"binary junk", Junk(4096, 17), 0.92f, 75, 0, false, false},
        {"NUL bytes", QByteArray(64, '\0'), 0.92f, 75, 0, true, false},
        {"Unix line ends", "1.2\n 33 \n 3 \ny\n", 1.2f, 33, 3, false, false},
        {"old Mac line ends", "0.5\r10\r17\rN\r", 0.5f, 10, 17, false, false},
        {"a byte-order mark",
         "\xEF\xBB\xBF"
         "00.800\r\n 60 \r\n 1 \r\nY\r\n",
         0.8f, 60, 1, true, false},
        {"blank lines only", "\r\n\r\n\r\n\r\n", 0.92f, 75, 0, true, false},
        {"fractions for whole numbers", "1\r\n12.5\r\n2.7\r\nY\r\n", 1.0f, 12, 3, true, false},
    };
}

using DamagedFiles = WindowTest;

TEST_F(DamagedFiles, EverySettingsFileGivesAPlayableTableAndASoundFileOnExit) {
    for (const DamagedSettings& c : DamagedSettingsFiles()) {
        SCOPED_TRACE(c.what);
        rec = {};
        QFile::remove(settingsPath());
        writeSettings(c.bytes);
        start();
        EXPECT_EQ(rec.settingsNotices.size(), c.announced ? 1u : 0u);
        EXPECT_FLOAT_EQ(s().SizeScale, c.scale);
        EXPECT_EQ(window->speedFrame()->value(), c.speed);
        EXPECT_EQ(s().Speed, c.speed * c.speed);
        EXPECT_EQ(s().BackgroundIndex, c.background);
        EXPECT_EQ(s().AutoMove, c.autoMove ? Yes : No);
        EXPECT_EQ(window->command(QStringLiteral("AutoMove"))->isChecked(), c.autoMove);
        expectPlayable();
        // A move can be made, and undone.
        trigger("Deal Again");
        expectPlayable();

        trigger("Exit");
        Settings expected;
        expected.SizeScale = c.scale;
        expected.SpeedValue = c.speed;
        expected.BackgroundIndex = c.background;
        expected.AutoMove = c.autoMove;
        const QByteArray written = readFile(settingsPath());
        EXPECT_EQ(written, FormatSettings(expected));
        EXPECT_EQ(ParseSettings(written), expected) << "the file reads back as written";
        window.reset();
    }
}

TEST_F(DamagedFiles, TheFileWrittenOnExitIsReadBackTheSame) {
    writeSettings("9.5\r\n-4\r\n40\r\nq\r\n");
    start();
    trigger("Exit");
    const QByteArray first = readFile(settingsPath());
    EXPECT_EQ(first, QByteArray("02.000\r\n 1 \r\n 0 \r\nN\r\n"));
    window.reset();
    start();
    EXPECT_TRUE(rec.settingsNotices.empty());
    trigger("Exit");
    EXPECT_EQ(readFile(settingsPath()), first);
}

struct DamagedScores {
    const char* what;
    QByteArray bytes;
    qint64 lostBefore; // the losses of "zarn" the game takes from it
};

TEST_F(DamagedFiles, EveryScoreFileGivesAPlayableTableAndASoundScoreFile) {
    const std::vector<DamagedScores> files = {
        {"binary junk", Junk(8192, 3), 0},
        {"a foreign header", "SCORES v9\nzarn\t1\t2\t0\t1\t1\n", -1},
        {"no header", "zarn\t4\t5\t-1\t2\t3\n", -1},
        {"bad lines among good ones",
         "ZARN scores 1\nzarn\tx\t1\n\n\t\t\nzarn\t2\t3\t-1\t1\t2\nother\t1\t1\t1\t1\t1\n", 3},
        {"figures beyond belief", "ZARN scores 1\nzarn\t-5\t99999999999999999999\t7\t-1\t-1\n", -1},
        {"a streak longer than the games", "ZARN scores 1\nzarn\t1\t1\t-40\t9\t9\n", 1},
        {"NUL bytes", QByteArray("ZARN scores 1\nzar") + '\0' + "n\t1\t1\t0\t0\t0\n", 0},
        {"an empty file", QByteArray(), 0},
    };
    for (const DamagedScores& c : files) {
        SCOPED_TRACE(c.what);
        rec = {};
        QDir().mkpath(QFileInfo(scorePath()).absolutePath());
        writeFile(scorePath(), c.bytes);
        start();
        expectPlayable();
        const ScoreRecord before = window->scoreTable()->figures();
        if (c.lostBefore >= 0) {
            EXPECT_EQ(before.Lost, c.lostBefore);
        }
        EXPECT_GE(before.Won, 0);
        EXPECT_GE(before.Lost, 0);
        trigger("Show Scores");
        trigger("Deal Again");
        expectPlayable();
        const ScoreRecord after = storedScores();
        EXPECT_EQ(after.Lost, before.Lost + 1);
        EXPECT_EQ(after.Won, before.Won);
        EXPECT_EQ(after.Streak, -1 - (before.Streak < 0 ? -before.Streak : 0));
        EXPECT_TRUE(readFile(scorePath()).startsWith("ZARN scores 1\n"));
        EXPECT_EQ(FormatScores(ParseScores(readFile(scorePath()))), readFile(scorePath()))
            << "the file is in the program's own form";
        trigger("Exit");
        window.reset();
    }
}

TEST_F(DamagedFiles, AScoreFileThatIsAFolderLeavesTheGamePlayable) {
    QDir().mkpath(scorePath());
    start();
    expectPlayable();
    trigger("Deal Again");
    expectPlayable();
    EXPECT_EQ(window->scoreTable()->figures().Lost, 1) << "kept for the session";
    trigger("Show Scores");
    trigger("Exit");
    EXPECT_EQ(readFile(settingsPath()), QByteArray("00.920\r\n 75 \r\n 0 \r\nY\r\n"));
}

} // namespace
} // namespace zarn::test

namespace zarn::test {
namespace {

TEST_F(DamagedFiles, ASettingsFileThatIsAFolderGivesTheDefaultsAndAMessageNotACrash) {
    ASSERT_TRUE(QDir().mkpath(settingsPath()));
    start();
    ASSERT_EQ(rec.settingsNotices.size(), 2u);
    EXPECT_EQ(rec.settingsNotices[0], QStringLiteral("zarn.pro not found, new file created"));
    EXPECT_TRUE(rec.settingsNotices[1].startsWith(QStringLiteral("zarn.pro could not be saved")))
        << rec.settingsNotices[1].toStdString();
    EXPECT_FLOAT_EQ(s().SizeScale, 0.92f);
    EXPECT_EQ(window->speedFrame()->value(), 75);
    expectPlayable();
    trigger("Exit");
    EXPECT_EQ(rec.endProgramCalls, 1);
    EXPECT_TRUE(QFileInfo(settingsPath()).isDir()) << "nothing of the player's was removed";
}

} // namespace
} // namespace zarn::test
