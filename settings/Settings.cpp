#include "settings/Settings.h"

#include "game/Cards.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace zarn {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
// Longest number text worth converting; anything longer is not a setting.
constexpr size_t MaxNumberLength = 64;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits on CR LF, LF or a lone CR, as editors on any system may have saved it.
std::vector<std::string_view> SplitLines(std::string_view text, size_t wanted) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size() && lines.size() < wanted) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

std::string_view SkipBlanks(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return text.substr(i);
}

// Line 1: the value of the number the line starts with, the rest of the line ignored; a
// number longer than a setting could be is none.
std::optional<double> LeadingNumber(std::string_view line) {
    line = SkipBlanks(line);
    if (DecimalLength(line) > MaxNumberLength) return std::nullopt;
    return LeadingDecimal(line);
}

std::string_view Trimmed(std::string_view text) {
    text = SkipBlanks(text);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Lines 2 and 3: one field, ended by a comma or the end of the line, blanks around it
// skipped, that must be a number as a whole ("7 5" or "75x" is not one).
std::optional<double> WholeField(std::string_view line) {
    std::string_view field = Trimmed(line.substr(0, line.find(',')));
    if (field.empty() || DecimalLength(field) != field.size()) return std::nullopt;
    return LeadingNumber(field);
}

// Round half to even, then bring into [low, high].
int RoundedInRange(double value, int low, int high) {
    if (!(value > low)) return low;
    if (!(value < high)) return high;
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

Settings ParseSettings(QByteArrayView bytes) {
    std::string_view text(bytes.data(), static_cast<size_t>(bytes.size()));
    if (text.substr(0, Utf8Bom.size()) == Utf8Bom) text.remove_prefix(Utf8Bom.size());
    const std::vector<std::string_view> lines = SplitLines(text, 4);
    auto line = [&](size_t i) { return i < lines.size() ? lines[i] : std::string_view(); };

    Settings s;
    if (auto scale = LeadingNumber(line(0)))
        s.SizeScale = static_cast<float>(std::clamp(*scale, double(MinScale), double(MaxScale)));
    if (auto speed = WholeField(line(1)))
        s.SpeedValue = RoundedInRange(*speed, MinSpeedValue, MaxSpeedValue);
    if (auto background = WholeField(line(2))) {
        int index = RoundedInRange(*background, -1, MaxBackgroundIndex + 1);
        s.BackgroundIndex = (index < 0 || index > MaxBackgroundIndex) ? 0 : index;
    }
    // AutoMove is on only when line 4 starts with "Y"; an empty, damaged or missing line
    // turns it off.
    s.AutoMove = line(3).substr(0, 1) == "Y";
    return s;
}

QByteArray FormatScale(float scale) {
    // Written the same whatever the process's locale: "." as the decimal point.
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<double>(scale),
                                   std::chars_format::fixed, 3)
                         .ptr;
    return QByteArray(text, end - text).rightJustified(6, '0');
}

QByteArray FormatPrintedInteger(int value) {
    QByteArray digits = QByteArray::number(value);
    return (value < 0 ? digits : " " + digits) + " ";
}

QByteArray FormatSettings(const Settings& settings) {
    return FormatScale(settings.SizeScale) + "\r\n" + FormatPrintedInteger(settings.SpeedValue) +
           "\r\n" + FormatPrintedInteger(settings.BackgroundIndex) + "\r\n" +
           (settings.AutoMove ? "Y" : "N") + "\r\n";
}

QByteArray DefaultSettingsFile() {
    return QByteArrayLiteral(".92\r\n75\r\n0\r\nY\r\n");
}

void ApplySettings(const Settings& settings, GameState& state) {
    state.SizeScale = settings.SizeScale;
    state.Speed = SpeedFor(settings.SpeedValue);
    state.BackgroundIndex = static_cast<i16>(settings.BackgroundIndex);
    state.AutoMove = settings.AutoMove ? Yes : No;
}

Settings CurrentSettings(const GameState& state, int speedBarValue) {
    Settings s;
    s.SizeScale = state.SizeScale;
    s.SpeedValue = speedBarValue;
    s.BackgroundIndex = state.BackgroundIndex;
    s.AutoMove = state.AutoMove != No;
    return s;
}

} // namespace zarn
