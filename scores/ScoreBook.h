#pragma once
// The figures of the score table and their text form.
//
// The score file is plain UTF-8 text, one line per game name, lines ended by LF:
//
//   ZARN scores 1
//   zarn<TAB>won<TAB>lost<TAB>streak<TAB>longest winning streak<TAB>longest losing streak
//
// The first line names the format. Every other line holds a game name followed by five
// whole numbers separated by tabs; "streak" is the current streak, positive for games
// won in a row, negative for games lost in a row, 0 before the first game. Games played
// is won + lost and is not stored, so the two can never disagree.
//
// Reading is a pure function of the bytes and takes from any file what makes sense:
// lines that are not of this form are skipped, numbers are kept within what the other
// figures allow, and the first line of a name wins over later ones. Writing changes only
// the lines of the names whose figures changed: every other line, whatever it holds, is
// kept byte for byte. A file whose first line names a newer format is not written.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <map>

namespace zarn {

inline constexpr char ScoreFileHeader[] = "ZARN scores 1";
inline constexpr int ScoreFileFormat = 1;
// No figure grows beyond this; a file claiming more is brought back to it.
inline constexpr qint64 MaxScoreCount = 1'000'000'000;

struct ScoreRecord {
    qint64 Won = 0;
    qint64 Lost = 0;
    qint64 Streak = 0; // > 0 games won in a row, < 0 games lost in a row
    qint64 LongestWinStreak = 0;
    qint64 LongestLossStreak = 0;

    qint64 played() const { return Won + Lost; }
    // Whole per cent of games won, rounded; -1 when no game has been played.
    int winPercentage() const;
    // Counts one more game.
    void record(bool won);
    // Makes the figures agree with each other (streaks within the counts and so on).
    void normalise();

    friend bool operator==(const ScoreRecord&, const ScoreRecord&) = default;
};

inline constexpr qsizetype MaxGameNameLength = 64;

// A name the file can hold: 1..64 printable characters (no tab or line break), no
// blanks at either end.
bool IsValidGameName(const QString& name);

// Figures by game name.
using ScoreBook = std::map<QString, ScoreRecord>;

ScoreBook ParseScores(QByteArrayView bytes);
QByteArray FormatScores(const ScoreBook& book);
// The format named by the first line ("ZARN scores 1" is 1); 0 when it names none.
int ScoreFileFormatOf(QByteArrayView bytes);
// The text of a file that held `old` after the change of its figures from `before`
// (what `old` reads as) to `after`: the first line of a name whose figures changed is
// written anew and its other lines dropped (all of them for a name that went), new
// names follow at the end, and every other line is kept as it was.
QByteArray UpdateScores(QByteArrayView old, const ScoreBook& before, const ScoreBook& after);

} // namespace zarn
