// The captions of every window and message box as the window system shows them
// (_NET_WM_NAME under xcb, read with xprop), nothing added to them.
#include "../support/PrivateCache.h"
#include "scores/ScoreTable.h"
#include "ui/AppIdentity.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zarn {
namespace {

QString ShownTitle(QWidget* window) {
    if (!QTest::qWaitForWindowExposed(window)) return QStringLiteral("(not shown)");
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {"-id", QString::number(window->winId()), "_NET_WM_NAME"});
    if (!xprop.waitForFinished(10000) || xprop.exitCode() != 0)
        return QStringLiteral("(xprop failed) ") + xprop.readAllStandardError();
    // _NET_WM_NAME(UTF8_STRING) = "zarn Help"
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype quote = out.indexOf('"');
    return quote < 0 ? out : out.mid(quote + 1).chopped(1);
}

// Reads the title of the modal box the caller is about to open, then answers it with
// its default button (or accepts it).
void ReadNextBox(QStringList& titles) {
    QTimer::singleShot(0, [&titles] {
        QWidget* box = nullptr;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return (box = QApplication::activeModalWidget()) != nullptr; }));
        titles << ShownTitle(box);
        if (auto* message = qobject_cast<QMessageBox*>(box))
            (message->defaultButton() ? message->defaultButton() : message->buttons().first())
                ->click();
        else
            qobject_cast<QDialog*>(box)->accept();
    });
}

TEST(Titles, AreExactlyTheCaptionsTheWindowsGive) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QTemporaryDir dir; // no settings file: the first-run message comes first
    MainWindowOptions options;
    options.progDir = dir.path();
    options.scoreFile = dir.filePath(QStringLiteral("scores.txt"));
    QStringList titles;
    ReadNextBox(titles);
    MainWindow window(options);
    window.show();
    titles << ShownTitle(&window);
    window.showHelp();
    titles << ShownTitle(window.helpWindow());
    ReadNextBox(titles);
    window.showAbout();
    for (bool won : {true, false}) {
        ReadNextBox(titles);
        window.showGameOver(won);
    }
    ReadNextBox(titles);
    window.scoreTable()->resetScores();
    EXPECT_EQ(titles.join(" | ").toStdString(),
              "ZARN | ZARN | zarn Help | About ZARN | CONGRATULATIONS - GAME COMPLETED | "
              "SORRY, NO MORE MOVES LEFT ! | ZARN");
}

// The class the desktop ties to the menu entry (its StartupWMClass) on X11.
QString EntryWindowClass() {
    QFile entry(QStringLiteral(ZARN_DESKTOP_ENTRY));
    if (!entry.open(QIODevice::ReadOnly)) return QStringLiteral("(no menu entry)");
    for (const QByteArray& line : entry.readAll().split('\n'))
        if (line.startsWith("StartupWMClass=")) return QString::fromUtf8(line.mid(15));
    return QStringLiteral("(no StartupWMClass)");
}

// The program itself, started as the desktop starts it, maps its window "ZARN", whose
// class is the one the menu entry names.
TEST(Program, ShowsItsWindow) {
    QTemporaryDir dir;
    QFile settings(dir.filePath(QStringLiteral("zarn.pro")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) &&
                settings.write(".92\r\n75\r\n0\r\nY\r\n") > 0);
    settings.close();
    QProcess game;
    game.setWorkingDirectory(dir.path());
    game.start(QStringLiteral(ZARN_EXE), {});
    ASSERT_TRUE(game.waitForStarted());
    QString id;
    const bool shown = QTest::qWaitFor(
        [&id] {
            QProcess search;
            search.start(QStringLiteral("xdotool"),
                         {"search", "--onlyvisible", "--name", "^ZARN$"});
            if (!search.waitForFinished(5000) || search.exitCode() != 0) return false;
            id = QString::fromUtf8(search.readAllStandardOutput()).section('\n', 0, 0);
            return true;
        },
        10000);
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {"-id", id, "WM_CLASS"});
    xprop.waitForFinished(10000);
    game.kill();
    game.waitForFinished();
    EXPECT_TRUE(shown);
    // WM_CLASS(STRING) = "zarn", "zarn": the instance, then the class.
    EXPECT_EQ(xprop.readAllStandardOutput().trimmed().toStdString(),
              "WM_CLASS(STRING) = \"zarn\", \"" + EntryWindowClass().toStdString() + "\"");
}

} // namespace
} // namespace zarn

int main(int argc, char** argv) {
    zarn::test::UsePrivateCacheFolder();
    QApplication app(argc, argv);
    zarn::SetApplicationIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
