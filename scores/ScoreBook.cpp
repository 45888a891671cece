#include "scores/ScoreBook.h"

#include <QList>
#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <set>

namespace zarn {
namespace {

constexpr qsizetype MaxLineLength = 1024;

std::optional<qint64> Count(const QByteArray& field, bool allowNegative) {
    bool ok = false;
    const qint64 value = field.trimmed().toLongLong(&ok);
    if (!ok || (!allowNegative && value < 0)) return std::nullopt;
    return std::clamp(value, -MaxScoreCount, MaxScoreCount);
}

// One line of the file, or nothing when it is not a line of figures.
std::optional<std::pair<QString, ScoreRecord>> ParseLine(QByteArrayView line) {
    if (line.size() > MaxLineLength) return std::nullopt;
    const QList<QByteArray> fields = line.toByteArray().split('\t');
    if (fields.size() != 6) return std::nullopt;
    const QString name = QString::fromUtf8(fields[0]);
    if (!IsValidGameName(name)) return std::nullopt;

    const auto won = Count(fields[1], false), lost = Count(fields[2], false),
               streak = Count(fields[3], true), longestWin = Count(fields[4], false),
               longestLoss = Count(fields[5], false);
    if (!won || !lost || !streak || !longestWin || !longestLoss) return std::nullopt;
    ScoreRecord r{*won, *lost, *streak, *longestWin, *longestLoss};
    r.normalise();
    return std::pair{name, r};
}

QByteArray FormatLine(const QString& name, const ScoreRecord& r) {
    return name.toUtf8() + '\t' + QByteArray::number(r.Won) + '\t' + QByteArray::number(r.Lost) +
           '\t' + QByteArray::number(r.Streak) + '\t' + QByteArray::number(r.LongestWinStreak) +
           '\t' + QByteArray::number(r.LongestLossStreak) + '\n';
}

// Calls line(text, bare) for each line of bytes: the line as it stands, and without its
// line end.
template <typename Fn> void ForEachLine(QByteArrayView bytes, Fn line) {
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        const QByteArrayView text = bytes.sliced(start, end - start);
        line(text, text.endsWith('\r') ? text.chopped(1) : text);
        start = end + 1;
    }
}

} // namespace

bool IsValidGameName(const QString& name) {
    if (name.isEmpty() || name.size() > MaxGameNameLength || name.trimmed() != name) return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c.isPrint(); });
}

int ScoreRecord::winPercentage() const {
    if (played() <= 0) return -1;
    return static_cast<int>((Won * 200 + played()) / (played() * 2));
}

void ScoreRecord::record(bool won) {
    if (won) {
        Won = std::min(Won + 1, MaxScoreCount);
        Streak = Streak > 0 ? Streak + 1 : 1;
    } else {
        Lost = std::min(Lost + 1, MaxScoreCount);
        Streak = Streak < 0 ? Streak - 1 : -1;
    }
    normalise();
}

void ScoreRecord::normalise() {
    Won = std::clamp<qint64>(Won, 0, MaxScoreCount);
    Lost = std::clamp<qint64>(Lost, 0, MaxScoreCount);
    Streak = std::clamp(Streak, -Lost, Won);
    LongestWinStreak = std::clamp(LongestWinStreak, std::max<qint64>(Streak, 0), Won);
    LongestLossStreak = std::clamp(LongestLossStreak, std::max<qint64>(-Streak, 0), Lost);
}

ScoreBook ParseScores(QByteArrayView bytes) {
    ScoreBook book;
    ForEachLine(bytes, [&book](QByteArrayView, QByteArrayView line) {
        if (auto entry = ParseLine(line)) book.emplace(entry->first, entry->second);
    });
    return book;
}

QByteArray FormatScores(const ScoreBook& book) {
    return UpdateScores({}, {}, book);
}

int ScoreFileFormatOf(QByteArrayView bytes) {
    const QByteArrayView prefix = "ZARN scores ";
    qsizetype end = bytes.indexOf('\n');
    QByteArrayView line = bytes.first(end < 0 ? bytes.size() : end);
    if (line.endsWith('\r')) line.chop(1);
    if (!line.startsWith(prefix)) return 0;
    line = line.sliced(prefix.size());
    int format = 0;
    const auto [rest, error] = std::from_chars(line.begin(), line.end(), format);
    const bool digits = !line.isEmpty() && line.front() >= '0' && line.front() <= '9';
    if (!digits || rest != line.end()) return 0;
    return error == std::errc::result_out_of_range ? std::numeric_limits<int>::max() : format;
}

QByteArray UpdateScores(QByteArrayView old, const ScoreBook& before, const ScoreBook& after) {
    QByteArray text;
    if (ScoreFileFormatOf(old) == 0) text = QByteArray(ScoreFileHeader) + '\n';
    std::set<QString> written;
    ForEachLine(old, [&](QByteArrayView line, QByteArrayView bare) {
        if (const auto entry = ParseLine(bare)) {
            const auto was = before.find(entry->first), now = after.find(entry->first);
            const bool changed =
                was == before.end() || now == after.end() || was->second != now->second;
            if (changed) {
                if (now != after.end() && written.insert(now->first).second)
                    text += FormatLine(now->first, now->second);
                return;
            }
        }
        text += line;
        text += '\n';
    });
    for (const auto& [name, r] : after)
        if (!before.contains(name) && !written.contains(name) && IsValidGameName(name))
            text += FormatLine(name, r); // IsValidGameName: a name that could be read back
    return text;
}

} // namespace zarn
