// The figures, their streaks, and the score file's text read from anything.
#include "scores/ScoreBook.h"

#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

ScoreRecord Played(const char* results) {
    ScoreRecord r;
    for (const char* c = results; *c; ++c) r.record(*c == 'W');
    return r;
}

TEST(ScoreRecord, CountsGamesAndStreaks) {
    const ScoreRecord r = Played("WWLLLW");
    EXPECT_EQ(r.Won, 3);
    EXPECT_EQ(r.Lost, 3);
    EXPECT_EQ(r.played(), 6);
    EXPECT_EQ(r.Streak, 1);
    EXPECT_EQ(r.LongestWinStreak, 2);
    EXPECT_EQ(r.LongestLossStreak, 3);
    EXPECT_EQ(Played("LLWWWWL").Streak, -1);
    EXPECT_EQ(Played("LLWWWWL").LongestWinStreak, 4);
    EXPECT_EQ(Played("LLL").Streak, -3);
}

TEST(ScoreRecord, WinningPercentageIsRounded) {
    EXPECT_EQ(ScoreRecord{}.winPercentage(), -1);
    EXPECT_EQ(Played("WLL").winPercentage(), 33);
    EXPECT_EQ(Played("WWL").winPercentage(), 67);
    EXPECT_EQ(Played("WL").winPercentage(), 50);
    EXPECT_EQ(Played("WWWW").winPercentage(), 100);
    EXPECT_EQ(Played("L").winPercentage(), 0);
}

TEST(ScoreFile, WrittenInItsDocumentedFormAndReadBack) {
    ScoreBook book;
    book[QStringLiteral("zarn")] = Played("WWLLLW");
    book[QStringLiteral("other game")] = Played("L");
    const QByteArray text = FormatScores(book);
    EXPECT_EQ(text, QByteArray("ZARN scores 1\n"
                               "other game\t0\t1\t-1\t0\t1\n"
                               "zarn\t3\t3\t1\t2\t3\n"));
    EXPECT_EQ(ParseScores(text), book);
    EXPECT_EQ(FormatScores({}), QByteArray("ZARN scores 1\n"));
}

TEST(ScoreFile, DamagedOrForeignFilesAreReadAsFarAsTheyMakeSense) {
    struct Case {
        const char* what;
        std::string bytes;
        ScoreBook expected;
    };
    const ScoreRecord r{5, 7, -3, 4, 5};
    const std::string good = "zarn\t5\t7\t-3\t4\t5\n";
    const std::vector<Case> cases = {
        {"empty", "", {}},
        {"no header", good, {{"zarn", r}}},
        {"windows line ends", "ZARN scores 1\r\nzarn\t5\t7\t-3\t4\t5\r\n", {{"zarn", r}}},
        {"no final line end", "zarn\t5\t7\t-3\t4\t5", {{"zarn", r}}},
        {"blanks around numbers", "zarn\t 5 \t7\t -3\t4\t5 \n", {{"zarn", r}}},
        {"too few fields", "zarn\t5\t7\t-3\n", {}},
        {"too many fields", "zarn\t5\t7\t-3\t4\t5\t9\n", {}},
        {"text for a number", "zarn\t5\tseven\t-3\t4\t5\n", {}},
        {"negative count", "zarn\t-5\t7\t-3\t4\t5\n", {}},
        {"streak beyond the games", "zarn\t3\t0\t10\t1\t0\n", {{"zarn", {3, 0, 3, 3, 0}}}},
        {"longest below current", "zarn\t2\t9\t-6\t5\t1\n", {{"zarn", {2, 9, -6, 2, 6}}}},
        {"absurd counts",
         "zarn\t99999999999999\t0\t0\t0\t0\n",
         {{"zarn", {MaxScoreCount, 0, 0, 0, 0}}}},
        {"number overflow", "zarn\t99999999999999999999999\t0\t0\t0\t0\n", {}},
        {"first of a name wins", good + "zarn\t1\t1\t1\t1\t1\n", {{"zarn", r}}},
        {"good lines among junk",
         "<html>\n\x01\x02\t\t\n" + good + std::string(5000, 'x') + "\nfoo\t1\t0\t1\t1\t0\n",
         {{"zarn", r}, {"foo", {1, 0, 1, 1, 0}}}},
        {"empty name", "\t1\t0\t1\t1\t0\n", {}},
        {"control character in name", "za\x01rn\t1\t0\t1\t1\t0\n", {}},
        {"binary", std::string("\0\t\0\t\0\t\0\t\0\t\0\n", 12), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseScores(Bytes(c.bytes)), c.expected) << c.what;
        // Whatever was read is written in the program's own form and reads back alike.
        const ScoreBook book = ParseScores(Bytes(c.bytes));
        EXPECT_EQ(ParseScores(FormatScores(book)), book) << c.what;
    }
}

TEST(ScoreFile, EveryByteChangeGivesConsistentFigures) {
    const QByteArray good = "ZARN scores 1\nzarn\t12\t30\t-4\t3\t7\n";
    for (qsizetype i = 0; i < good.size(); ++i)
        for (int b = 0; b < 256; ++b) {
            QByteArray bad = good;
            bad[i] = char(b);
            for (const auto& [name, r] : ParseScores(bad)) {
                ASSERT_TRUE(IsValidGameName(name));
                ScoreRecord fixed = r;
                fixed.normalise();
                ASSERT_EQ(fixed, r) << i << " " << b;
            }
        }
}

TEST(ScoreFile, NamesThatCannotBeStoredAreLeftOut) {
    ScoreBook book;
    book[QStringLiteral("zarn")] = Played("W");
    book[QStringLiteral("bad\tname")] = Played("W");
    book[QStringLiteral(" padded")] = Played("W");
    book[QString(65, 'z')] = Played("W");
    EXPECT_EQ(ParseScores(FormatScores(book)).size(), 1u);
}

} // namespace
} // namespace zarn
