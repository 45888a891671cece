// zarn.pro on disk: first run, exact bytes, damaged files and failed writes.
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace zarn {
namespace {

struct NoticeLog {
    std::vector<std::pair<SettingsNotice, QString>> shown;
    SettingsNoticeFn fn() {
        return [this](SettingsNotice k, const QString& t) { shown.emplace_back(k, t); };
    }
};

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("zarn.pro")); }
};

TEST_F(SettingsFileTest, FirstRunAnnouncesOnceAndCreatesTheDefaultFile) {
    NoticeLog log;
    SettingsFile file(path(), log.fn());
    EXPECT_EQ(file.load(), Settings{});
    ASSERT_EQ(log.shown.size(), 1u);
    EXPECT_EQ(log.shown[0].first, SettingsNotice::Created);
    EXPECT_EQ(log.shown[0].second, QStringLiteral("zarn.pro not found, new file created"));
    EXPECT_EQ(ReadAll(path()), QByteArray(".92\r\n75\r\n0\r\nY\r\n"));

    // The next start finds the file and says nothing.
    SettingsFile again(path(), log.fn());
    EXPECT_EQ(again.load(), Settings{});
    EXPECT_EQ(log.shown.size(), 1u);
    EXPECT_TRUE(again.lastError().isEmpty());
}

TEST_F(SettingsFileTest, AnEmptyFileCountsAsMissing) {
    WriteAll(path(), {});
    NoticeLog log;
    EXPECT_EQ(SettingsFile(path(), log.fn()).load(), Settings{});
    EXPECT_EQ(log.shown.size(), 1u);
    EXPECT_EQ(ReadAll(path()), DefaultSettingsFile());
}

TEST_F(SettingsFileTest, SavedInExactBytesAndReadBack) {
    NoticeLog log;
    SettingsFile file(path(), log.fn());
    file.load();
    ASSERT_TRUE(file.save(Settings{}));
    EXPECT_EQ(ReadAll(path()), QByteArray("00.920\r\n 75 \r\n 0 \r\nY\r\n"));
    const Settings mine{1.06f, 12, 17, false};
    ASSERT_TRUE(file.save(mine));
    EXPECT_EQ(ReadAll(path()), QByteArray("01.060\r\n 12 \r\n 17 \r\nN\r\n"));
    EXPECT_EQ(SettingsFile(path(), log.fn()).load(), mine);
    EXPECT_EQ(log.shown.size(), 1u); // only the first-run notice
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"zarn.pro"});
}

TEST_F(SettingsFileTest, DamagedFilesOnDiskGiveSaneValuesAndAreRepairedBySaving) {
    const std::vector<QByteArray> damaged = {
        QByteArray("2.5\r\n"),
        QByteArray("abc\ndef\n"),
        QByteArray(300000, 'x') + "\r\n 30 \r\n 3 \r\nN\r\n",
        QByteArray("\0\0\0\0\xff\xfe", 6),
        QByteArray(".92\r\n-32768\r\n-32768\r\nN"),
    };
    NoticeLog log;
    for (const QByteArray& bytes : damaged) {
        WriteAll(path(), bytes);
        SettingsFile file(path(), log.fn());
        const Settings s = file.load();
        EXPECT_GE(s.SizeScale, MinScale);
        EXPECT_LE(s.SizeScale, MaxScale);
        EXPECT_GE(s.SpeedValue, MinSpeedValue);
        EXPECT_LE(s.SpeedValue, MaxSpeedValue);
        EXPECT_GE(s.BackgroundIndex, 0);
        EXPECT_LE(s.BackgroundIndex, MaxBackgroundIndex);
        ASSERT_TRUE(file.save(s));
        EXPECT_EQ(ReadAll(path()), FormatSettings(s));
    }
    EXPECT_TRUE(log.shown.empty());
}

TEST_F(SettingsFileTest, AFailedWriteIsReportedOnceAndLeavesNoFile) {
    // A folder that cannot exist: its parent is a regular file (root may write anywhere
    // else).
    WriteAll(dir.filePath("plain"), "not a folder");
    const QString impossible = dir.filePath("plain/zarn.pro");
    NoticeLog log;
    SettingsFile file(impossible, log.fn());

    // Missing and impossible to create: both are said, the defaults are played.
    EXPECT_EQ(file.load(), Settings{});
    ASSERT_EQ(log.shown.size(), 2u);
    EXPECT_EQ(log.shown[0].first, SettingsNotice::Created);
    EXPECT_EQ(log.shown[1].first, SettingsNotice::WriteFailed);
    EXPECT_TRUE(log.shown[1].second.startsWith("zarn.pro could not be saved"));

    // Saving at the end of a game and twice on exit: no more messages, the error stays.
    EXPECT_FALSE(file.save(Settings{}));
    EXPECT_FALSE(file.save(Settings{}));
    EXPECT_EQ(log.shown.size(), 2u);
    EXPECT_FALSE(file.lastError().isEmpty());
    EXPECT_EQ(ReadAll(dir.filePath("plain")), QByteArray("not a folder"));
}

TEST_F(SettingsFileTest, AFailureIsReportedAgainAfterTheFileCouldBeWrittenMeanwhile) {
    NoticeLog log;
    WriteAll(dir.filePath("blocker"), "x");
    SettingsFile file(dir.filePath("blocker/zarn.pro"), log.fn());
    EXPECT_FALSE(file.save(Settings{}));
    ASSERT_TRUE(QFile::remove(dir.filePath("blocker")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("blocker"));
    EXPECT_TRUE(file.save(Settings{}));
    EXPECT_TRUE(file.lastError().isEmpty());
    ASSERT_TRUE(QDir(dir.filePath("blocker")).removeRecursively());
    WriteAll(dir.filePath("blocker"), "x");
    EXPECT_FALSE(file.save(Settings{}));
    EXPECT_EQ(log.shown.size(), 2u);
}

TEST_F(SettingsFileTest, AFolderNamedLikeTheFileIsNotMistakenForIt) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("zarn.pro"));
    NoticeLog log;
    SettingsFile file(path(), log.fn());
    EXPECT_EQ(file.load(), Settings{});
    ASSERT_EQ(log.shown.size(), 2u);
    EXPECT_EQ(log.shown[1].first, SettingsNotice::WriteFailed);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(SettingsFileTest, TheRealMessageBoxIsTitledZarnAndAnsweredWithOk) {
    QString title, text;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    SettingsFile file(path()); // the real message box
    EXPECT_EQ(file.load(), Settings{});
    EXPECT_EQ(title, QStringLiteral("ZARN"));
    EXPECT_EQ(text, QStringLiteral("zarn.pro not found, new file created"));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(ReadAll(path()), DefaultSettingsFile());
}

} // namespace
} // namespace zarn
