// Any bytes as zarn.pro. Whatever the file holds, every value read lies within its range,
// the file written from those values has the program's own form, and reading that file
// gives the same values again (the card-size factor to the three decimals it is kept to).
#include "FuzzCheck.h"
#include "settings/Settings.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace zarn {
namespace {

using fuzz::Require;

void RequireInRange(const Settings& s) {
    Require(s.SizeScale >= MinScale && s.SizeScale <= MaxScale, "card-size factor within 0.4..2");
    Require(s.SpeedValue >= MinSpeedValue && s.SpeedValue <= MaxSpeedValue,
            "speed bar within 1..100");
    Require(s.BackgroundIndex >= 0 && s.BackgroundIndex <= MaxBackgroundIndex,
            "background index within 0..17");
}

// Four lines ended by CR LF, the first one "dd.ddd".
void RequireOwnForm(const QByteArray& file) {
    Require(file.count("\r\n") == 4 && file.endsWith("\r\n"), "four lines ended by CR LF");
    const QByteArray first = file.left(file.indexOf('\r'));
    Require(first.size() == 6 && first[2] == '.', "card-size line of the form dd.ddd");
}

void Check(QByteArrayView bytes) {
    const Settings read = ParseSettings(bytes);
    RequireInRange(read);

    const QByteArray written = FormatSettings(read);
    RequireOwnForm(written);
    const Settings reread = ParseSettings(written);
    Require(reread.SpeedValue == read.SpeedValue, "speed survives writing");
    Require(reread.BackgroundIndex == read.BackgroundIndex, "background survives writing");
    Require(reread.AutoMove == read.AutoMove, "AutoMove survives writing");
    Require(std::fabs(reread.SizeScale - read.SizeScale) <= 0.0005f + 1e-6f,
            "card-size factor survives writing to three decimals");
    // Once written, a file reads and writes back unchanged.
    Require(FormatSettings(reread) == written, "a written file is written again unchanged");
    Require(ParseSettings(FormatSettings(reread)) == reread, "a written file reads back exactly");
}

} // namespace
} // namespace zarn

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zarn::Check(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
