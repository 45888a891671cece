#pragma once
// The four preferences kept in "zarn.pro" and their exact text form.
//
// The file is four lines, each ended by CR LF:
//   1  card-size factor      written "00.920"  (default line ".92")
//   2  speed bar position    written " 75 "    (default line "75")
//   3  background index      written " 0 "     (default line "0")
//   4  AutoMove              written "Y"/"N"   (default line "Y")
//
// Parsing is a pure function of the bytes so that any file, including one the program
// never wrote, can be fed to it: an unusable line 1, 2 or 3 gives the default of that
// line, AutoMove is on only when line 4 starts with "Y" (so a missing line 4 turns it
// off), and values outside their range are brought back into it. Numbers are read and
// written with "." as the decimal point whatever the process's locale.

#include "game/GameState.h"
#include "table/CardMetrics.h"

#include <QByteArray>
#include <QByteArrayView>

namespace zarn {

inline constexpr int MaxBackgroundIndex = 17;

struct Settings {
    float SizeScale = DefaultScale;
    int SpeedValue = DefaultSpeedValue; // the speed bar's value
    int BackgroundIndex = 0;
    bool AutoMove = true;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Reads whatever bytes a settings file holds; never fails.
Settings ParseSettings(QByteArrayView bytes);
// The file as the program writes it: "00.920\r\n 75 \r\n 0 \r\nY\r\n".
QByteArray FormatSettings(const Settings& settings);
// The file created when none exists: ".92\r\n75\r\n0\r\nY\r\n".
QByteArray DefaultSettingsFile();

// The card-size factor in the form "00.000".
QByteArray FormatScale(float scale);
// A non-negative integer as a printed number: " 75 "; a negative one as "-5 ".
QByteArray FormatPrintedInteger(int value);

// Copies the preferences into the game state: SizeScale, Speed (= value²),
// BackgroundIndex and AutoMove.
void ApplySettings(const Settings& settings, GameState& state);
// The preferences as they stand, the speed bar's position given separately since the
// state only keeps its square.
Settings CurrentSettings(const GameState& state, int speedBarValue);

} // namespace zarn
