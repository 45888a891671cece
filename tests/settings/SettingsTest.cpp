// zarn.pro: its exact text, what any bytes read as, the file on disk, the notices shown and
// disks that fail; and the speed panel as the player uses it.
#include "../support/DamagedSettings.h"
#include "../support/Files.h"
#include "settings/SettingsFile.h"
#include "settings/SpeedFrame.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <gtest/gtest.h>

namespace zarn {
namespace {

using test::ReadAll;
using test::WriteAll;

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("zarn.pro");
    QStringList told;
    // What the file has to tell since the last look.
    void look(SettingsFile& f) {
        for (const Notice& notice : f.takeNotices()) told << notice.text;
    }
};

// Also run under a decimal-comma locale, which must then be in force.
TEST_F(SettingsFileTest, MissingDamagedAndOwnFilesAreReadAndWrittenExactly) {
    EXPECT_EQ(*std::localeconv()->decimal_point == ',',
              qEnvironmentVariable("LC_ALL").startsWith("de_DE"));
    SettingsFile first(path);
    EXPECT_EQ(first.load(), Settings{});
    EXPECT_FALSE(QFile::exists(path)) << "made once the player has been told";
    EXPECT_TRUE(first.create());
    EXPECT_EQ(ReadAll(path), ".92\r\n75\r\n0\r\nY\r\n");
    for (const DamagedSettingsCase& c : DamagedSettingsCases()) {
        told.clear();
        WriteAll(path, c.bytes);
        SettingsFile f(path);
        EXPECT_EQ(f.load(), c.expected) << c.name;
        look(f);
        EXPECT_EQ(told.size(), c.bytes.isEmpty() ? 1 : 0) << c.name; // empty counts as missing
        ASSERT_TRUE(f.save(c.expected));
        EXPECT_EQ(ReadAll(path), FormatSettings(c.expected)) << c.name;
    }
    // Four size increases from 0.92 in single precision.
    EXPECT_EQ(FormatSettings({0.99999994f, 100, 17, false}), "01.000\r\n 100 \r\n 17 \r\nN\r\n");
}

TEST_F(SettingsFileTest, EveryFailedWriteLeavesANotice) {
    const QString blocker = dir.filePath("plain");
    WriteAll(blocker, "a file where the folder belongs");
    SettingsFile f(blocker + "/zarn.pro");
    EXPECT_EQ(f.load(), Settings{}); // missing, and cannot be made: both are told
    EXPECT_FALSE(f.create());
    look(f);
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[1].startsWith("zarn.pro could not be saved (")) << told[1].toStdString();
    ASSERT_TRUE(QFile::remove(blocker) && QDir(dir.path()).mkdir("plain"));
    EXPECT_TRUE(f.save({}));
    ASSERT_TRUE(QFile::remove(blocker + "/zarn.pro") && QDir(blocker).mkdir("zarn.pro"));
    EXPECT_FALSE(f.save({}) || f.save({}));
    look(f);
    EXPECT_EQ(told.size(), 4);
}

// A small file system of its own, filled up, then holding a file that cannot be replaced
// (a mount point): the old file stays whole and each failure leaves a notice.
TEST_F(SettingsFileTest, AFullOrStuckDiskKeepsTheOldFile) {
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()}))
        GTEST_SKIP() << "no right to mount a file system here";
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {"-R", dir.path()}); });
    const QByteArray old = "01.200\r\n 30 \r\n 4 \r\nN\r\n";
    WriteAll(path, old);
    SettingsFile f(path);
    QFile filler(dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'x')) > 0) continue;
    EXPECT_FALSE(f.save({}) || f.save({}));
    filler.remove();
    ASSERT_EQ(QProcess::execute("mount", {"--bind", path, path}), 0);
    EXPECT_FALSE(f.save({}));
    look(f);
    EXPECT_EQ(told.size(), 3);
    EXPECT_EQ(ReadAll(path), old);
}

TEST(SpeedFrame, ArrowsStepByFiveTowardsFClicksBesideTheHandleByTwentyFive) {
    SpeedFrame frame;
    frame.place(5237.65f, 558.35f, 979);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_EQ(frame.geometry(), QRect(349, 37, 131, 23)); // 15 twips a pixel
    auto click = [&](int value, double share) {           // at a share of the bar's width
        frame.setValue(value);
        const int x = int(share * (frame.speedRange()->width() - 1));
        QTest::mouseClick(frame.speedRange(), Qt::LeftButton, {}, {x, 5});
        return frame.value();
    };
    EXPECT_EQ(click(50, 1), 45); // the arrow at the "F" end
    EXPECT_EQ(click(50, 0.85), 25);
}

} // namespace
} // namespace zarn
