// The exact text of zarn.pro and how any text is read back.
#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <string>

namespace zarn {
namespace {

QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

bool InRange(const Settings& s) {
    return s.SizeScale >= MinScale && s.SizeScale <= MaxScale &&
           s.SpeedValue >= MinSpeedValue && s.SpeedValue <= MaxSpeedValue &&
           s.BackgroundIndex >= 0 && s.BackgroundIndex <= MaxBackgroundIndex;
}

TEST(SettingsText, WrittenExactlyAsTheProgramAlwaysHas) {
    EXPECT_EQ(FormatSettings(Settings{}), QByteArray("00.920\r\n 75 \r\n 0 \r\nY\r\n"));
    EXPECT_EQ(FormatSettings({1.06f, 1, 17, false}), QByteArray("01.060\r\n 1 \r\n 17 \r\nN\r\n"));
    EXPECT_EQ(FormatSettings({2.0f, 100, 9, true}), QByteArray("02.000\r\n 100 \r\n 9 \r\nY\r\n"));
    EXPECT_EQ(FormatScale(0.4f), QByteArray("00.400"));
    // Four increases from 0.92 in single precision.
    float scale = 0.92f;
    for (int i = 0; i < 4; ++i) scale += 0.02f;
    EXPECT_EQ(FormatScale(scale), QByteArray("01.000"));
    EXPECT_EQ(FormatPrintedInteger(0), QByteArray(" 0 "));
    EXPECT_EQ(FormatPrintedInteger(-5), QByteArray("-5 "));
    EXPECT_EQ(DefaultSettingsFile(), QByteArray(".92\r\n75\r\n0\r\nY\r\n"));
}

TEST(SettingsText, OwnFilesReadBackToTheSameValues) {
    EXPECT_EQ(ParseSettings(DefaultSettingsFile()), Settings{});
    EXPECT_EQ(ParseSettings(FormatSettings(Settings{})), Settings{});
    // Every size the menu can reach, every speed and background, both AutoMove states.
    float scale = MinScale;
    for (int step = 0; scale <= MaxScale; ++step, scale += 0.02f) {
        const Settings s{scale, 1 + step % 100, step % 18, step % 2 == 0};
        const Settings back = ParseSettings(FormatSettings(s));
        EXPECT_NEAR(back.SizeScale, s.SizeScale, 0.0005f) << step;
        EXPECT_EQ(back.SpeedValue, s.SpeedValue);
        EXPECT_EQ(back.BackgroundIndex, s.BackgroundIndex);
        EXPECT_EQ(back.AutoMove, s.AutoMove);
    }
}

TEST(SettingsText, ValuesGoIntoTheGameState) {
    GameState state;
    ApplySettings({1.5f, 10, 4, false}, state);
    EXPECT_EQ(state.SizeScale, 1.5f);
    EXPECT_EQ(state.Speed, 100);
    EXPECT_EQ(state.BackgroundIndex, 4);
    EXPECT_EQ(state.AutoMove, No);
    ApplySettings({0.92f, 100, 0, true}, state);
    EXPECT_EQ(state.Speed, 10000);
    EXPECT_EQ(state.AutoMove, Yes);
    EXPECT_EQ(CurrentSettings(state, 100), (Settings{0.92f, 100, 0, true}));
}

struct Damaged {
    const char* what;
    std::string bytes;
    Settings expected;
};

TEST(SettingsText, DamagedFilesGiveSaneValues) {
    const Settings d;
    const std::string longLine(200000, '9');
    const std::vector<Damaged> cases = {
        {"empty", "", d},
        {"line 1 only", "1.5\r\n", {1.5f, 75, 0, true}},
        {"no final line end", "1.5\r\n 20 \r\n 3 \r\nN", {1.5f, 20, 3, false}},
        {"unix line ends", "1.2\n 50 \n 3 \nN\n", {1.2f, 50, 3, false}},
        {"old mac line ends", "1.2\r 50 \r 3 \rN\r", {1.2f, 50, 3, false}},
        {"text where numbers belong", "big\r\nfast\r\nblue\r\nY\r\n", d},
        {"numbers too large", "9\r\n 500 \r\n 40 \r\nY\r\n", {2.0f, 100, 0, true}},
        {"beyond 16 bits", "1\r\n99999\r\n70000\r\nY\r\n", {1.0f, 100, 0, true}},
        {"negative numbers", "-1\r\n-5\r\n-1\r\nN\r\n", {0.4f, 1, 0, false}},
        {"speed zero", ".92\r\n0\r\n0\r\nY\r\n", {0.92f, 1, 0, true}},
        {"lower-case y", ".92\r\n75\r\n0\r\ny\r\n", {0.92f, 75, 0, false}},
        {"halves round to even", ".92\r\n7.5\r\n8.5\r\nY\r\n", {0.92f, 8, 8, true}},
        {"junk after a number", "1.5xyz\r\n75abc\r\n3 blue\r\nYes\r\n", {1.5f, 75, 0, true}},
        {"two numbers on a line", ".92\r\n7 5\r\n1 2\r\nY\r\n", d},
        {"a comma ends the field", ".92\r\n50,3\r\n 4 ,x\r\nY\r\n", {0.92f, 50, 4, true}},
        {"blanks and tabs", "\t  1.1  \r\n\t30\t\r\n  2  \r\nN\r\n", {1.1f, 30, 2, false}},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "1.3\r\n40\r\n5\r\nN\r\n",
         {1.3f, 40, 5, false}},
        {"huge exponents", "1e999\r\n1e999\r\n-1e999\r\nY\r\n", {2.0f, 100, 0, true}},
        {"tiny exponent", "1e-999\r\n1e1\r\n1.7e1\r\nY\r\n", {0.4f, 10, 17, true}},
        {"words for numbers", "inf\r\nnan\r\n0x10\r\nY\r\n", d},
        {"empty lines", "\r\n\r\n\r\n\r\n", d},
        {"very long number line", longLine + "\r\n 30 \r\n 2 \r\nN\r\n", {0.92f, 30, 2, false}},
        {"binary junk",
         std::string("\0\xff\x01\x80\r\n\0 3\r\n\x7f\r\n\0Y", 16),
         {0.92f, 75, 0, false}},
    };
    for (const Damaged& c : cases) {
        const Settings s = ParseSettings(Bytes(c.bytes));
        EXPECT_NEAR(s.SizeScale, c.expected.SizeScale, 1e-6f) << c.what;
        EXPECT_EQ(s.SpeedValue, c.expected.SpeedValue) << c.what;
        EXPECT_EQ(s.BackgroundIndex, c.expected.BackgroundIndex) << c.what;
        EXPECT_EQ(s.AutoMove, c.expected.AutoMove) << c.what;
    }
}

TEST(SettingsText, EveryCutAndEveryByteChangeStaysInRange) {
    const QByteArray good = FormatSettings({1.25f, 42, 11, false});
    for (qsizetype n = 0; n <= good.size(); ++n)
        EXPECT_TRUE(InRange(ParseSettings(good.left(n)))) << n;
    for (qsizetype i = 0; i < good.size(); ++i)
        for (int b = 0; b < 256; ++b) {
            QByteArray bad = good;
            bad[i] = char(b);
            ASSERT_TRUE(InRange(ParseSettings(bad))) << i << " " << b;
        }
}

} // namespace
} // namespace zarn
