#pragma once
// Settings files the program did not write, each with what the program must make of it.
// The reader's test parses the bytes; the window's test starts the game on them and checks
// the table, the speed bar and the file written on exit. An empty file counts as missing:
// it is announced and replaced by the default file.

#include "settings/Settings.h"

#include <QByteArray>
#include <vector>

namespace zarn {

struct DamagedSettingsCase {
    const char* name;
    QByteArray bytes;
    Settings expected;
};

inline const std::vector<DamagedSettingsCase>& DamagedSettingsCases() {
    static const std::vector<DamagedSettingsCase> cases = {
        {"empty", QByteArray(), {}},
        {"no final line end", "1.5\r\n 20 \r\n 3 \r\nN", {1.5f, 20, 3, false}},
        {"unix line ends, lower-case y", "1.2\n 50 \n 3 \ny\n", {1.2f, 50, 3, false}},
        {"old mac line ends", "0.5\r10\r17\rN\r", {0.5f, 10, 17, false}},
        {"inf, nan and hex", "inf\r\nnan\r\n0x10\r\nY\r\n", {}},
        {"numbers too large", "9\r\n 500 \r\n 40 \r\nY\r\n", {2.0f, 100, 0, true}},
        {"negative numbers", "-1\r\n-5\r\n-1\r\nN\r\n", {0.4f, 1, 0, false}},
        {"just outside the ranges", "0.39\r\n0\r\n18\r\nY\r\n", {0.4f, 1, 0, true}},
        {"halves round to even", ".92\r\n7.5\r\n8.5\r\nY\r\n", {0.92f, 8, 8, true}},
        {"junk after a number", "1.5xyz\r\n75abc\r\n3 blue\r\nYes\r\n", {1.5f, 75, 0, true}},
        {"a comma ends the field", ".92\r\n50,3\r\n 4 ,x\r\nY\r\n", {0.92f, 50, 4, true}},
        {"blanks and tabs", "\t  1.1  \r\n\t30\t\r\n  2  \r\nN\r\n", {1.1f, 30, 2, false}},
        {"BOM", QByteArray("\xEF\xBB\xBF") + "1.3\r\n40\r\n5\r\nN\r\n", {1.3f, 40, 5, false}},
        {"huge exponents", "1e999\r\n1e999\r\n-1e999\r\nY\r\n", {2.0f, 100, 0, true}},
        {"long number", QByteArray(20000, '9') + "\r\n 30 \r\n 2 \r\nN\r\n", {0.92f, 30, 2, false}},
        {"blank run", "1\r\n" + QByteArray(999, ' ') + "40\r\n4\r\nN\r\n", {1.0f, 40, 4, false}},
        {"binary", QByteArray("\0\xff\x01\x80\r\n\0 3\r\n\x7f\r\n\0Y", 16), {0.92f, 75, 0, false}},
        // AutoMove is on only when line 4 starts with "Y".
        {"empty fourth line", "1.5\r\n 20 \r\n 3 \r\n\r\n", {1.5f, 20, 3, false}},
        {"no fourth line", "1.5\r\n 20 \r\n 3 \r\n", {1.5f, 20, 3, false}},
        // The decimal point is "." under every locale; a comma ends the number.
        {"decimal comma", "01,100\r\n 75 \r\n 0 \r\nY\r\n", {1.0f, 75, 0, true}},
    };
    return cases;
}

} // namespace zarn
