// Any bytes as the score file. Whatever it holds, every name read is one the file can
// hold, every record's figures agree with each other, the file written from the book
// reads back to the very same book, and a change rewrites only the lines it changes.
#include "FuzzCheck.h"
#include "scores/ScoreBook.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace zarn {
namespace {

using fuzz::Require;

void RequireConsistent(const ScoreRecord& r) {
    Require(r.Won >= 0 && r.Won <= MaxScoreCount, "games won within 0..the limit");
    Require(r.Lost >= 0 && r.Lost <= MaxScoreCount, "games lost within 0..the limit");
    Require(r.Streak >= -r.Lost && r.Streak <= r.Won, "current streak within the games played");
    Require(r.LongestWinStreak >= std::max<qint64>(r.Streak, 0) && r.LongestWinStreak <= r.Won,
            "longest winning streak between the current one and the games won");
    Require(r.LongestLossStreak >= std::max<qint64>(-r.Streak, 0) && r.LongestLossStreak <= r.Lost,
            "longest losing streak between the current one and the games lost");
    const int percent = r.winPercentage();
    Require(r.played() == 0 ? percent == -1 : percent >= 0 && percent <= 100,
            "winning percentage within 0..100, or none before the first game");
    ScoreRecord again = r;
    again.normalise();
    Require(again == r, "a record read is already normalised");
}

// One more game keeps the figures in agreement and is counted unless at the limit.
void RequireNextGameCounts(const ScoreRecord& r, bool won) {
    ScoreRecord next = r;
    next.record(won);
    RequireConsistent(next);
    Require(next.played() ==
                std::min(r.Won + won, MaxScoreCount) + std::min(r.Lost + !won, MaxScoreCount),
            "one more game is counted");
}

void Check(QByteArrayView bytes) {
    const ScoreBook book = ParseScores(bytes);
    for (const auto& [name, record] : book) {
        Require(IsValidGameName(name), "every name read can be written");
        RequireConsistent(record);
        RequireNextGameCounts(record, true);
        RequireNextGameCounts(record, false);
    }

    const QByteArray written = FormatScores(book);
    Require(written.startsWith(QByteArray(ScoreFileHeader) + '\n'), "written file has its header");
    Require(written.count('\n') == qsizetype(book.size()) + 1, "one line per game name");
    const ScoreBook reread = ParseScores(written);
    Require(reread == book, "the written file reads back to the same book");
    Require(FormatScores(reread) == written, "a written file is written again unchanged");

    // One more game of a name read (or of a new one) changes that name's figures alone,
    // and leaves every other line as it was.
    ScoreBook after = book;
    const QString name = book.empty() ? QStringLiteral("zarn") : book.begin()->first;
    after[name].record(true);
    const QByteArray updated = UpdateScores(bytes, book, after);
    Require(ParseScores(updated) == after, "the updated file reads as the changed book");
    ScoreBook others = after;
    others.erase(name);
    Require(ParseScores(UpdateScores(updated, after, others)) == others, "a name goes whole");
    Require(UpdateScores(updated, after, after) == updated, "nothing changed, nothing rewritten");
}

} // namespace
} // namespace zarn

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zarn::Check(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
