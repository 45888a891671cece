// Start-up and the ways out: the first-run message, the settings file as written at
// the first run and on the way out, and the help window closed by "Exit".
#include "WindowTest.h"
#include "ui/HelpWindow.h"

#include <QPushButton>

namespace zarn::test {
namespace {

using StartAndExit = WindowTest;

TEST_F(StartAndExit, TheFirstRunAnnouncesTheNewFileBeforeTheWindowAndWritesTheDefaults) {
    bool windowShownAtNotice = true;
    MainWindowOptions o = options();
    o.settingsNotice = [&](SettingsNotice kind, const QString& text) {
        EXPECT_EQ(kind, SettingsNotice::Created);
        rec.settingsNotices.push_back(text);
        windowShownAtNotice = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) windowShownAtNotice = true;
        EXPECT_FALSE(QFile::exists(settingsPath())) << "the file comes after the message";
    };
    startWith(o);
    ASSERT_EQ(rec.settingsNotices.size(), 1u);
    EXPECT_EQ(rec.settingsNotices[0], QStringLiteral("zarn.pro not found, new file created"));
    EXPECT_FALSE(windowShownAtNotice);
    EXPECT_EQ(readFile(settingsPath()), QByteArray(".92\r\n75\r\n0\r\nY\r\n"));

    // The game starts with the defaults.
    EXPECT_FLOAT_EQ(s().SizeScale, 0.92f);
    EXPECT_EQ(window->speedFrame()->value(), 75);
    EXPECT_EQ(s().Speed, 5625);
    EXPECT_EQ(s().BackgroundIndex, 0);
    EXPECT_EQ(s().AutoMove, Yes);
    EXPECT_TRUE(window->command(QStringLiteral("AutoMove"))->isChecked());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ZARN"));
    expectPlayable();
}

TEST_F(StartAndExit, TheRealFirstRunMessageIsAnOkBoxTitledZarnWithNoWindowBehindIt) {
    MainWindowOptions o = options();
    o.settingsNotice = nullptr; // the program's own message box
    SeenBox box;
    AnswerNextBox(box, QMessageBox::Ok);
    startWith(o);
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, QStringLiteral("ZARN"));
    EXPECT_EQ(box.text, QStringLiteral("zarn.pro not found, new file created"));
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_FALSE(box.mainWindowVisible);
    EXPECT_EQ(readFile(settingsPath()), QByteArray(".92\r\n75\r\n0\r\nY\r\n"));
}

TEST_F(StartAndExit, AFileThatIsThereIsReadWithoutAMessageAndNotRewrittenAtStartUp) {
    const QByteArray mine("1.06\r\n 40 \r\n 5 \r\nN\r\n");
    writeSettings(mine);
    start();
    EXPECT_TRUE(rec.settingsNotices.empty());
    EXPECT_EQ(readFile(settingsPath()), mine);
    EXPECT_FLOAT_EQ(s().SizeScale, 1.06f);
    EXPECT_EQ(window->speedFrame()->value(), 40);
    EXPECT_EQ(s().Speed, 1600);
    EXPECT_EQ(s().BackgroundIndex, 5);
    EXPECT_EQ(s().AutoMove, No);
    EXPECT_FALSE(window->command(QStringLiteral("AutoMove"))->isChecked());
}

TEST_F(StartAndExit, ExitRewritesTheFileInTheProgramsOwnForm) {
    start();
    ASSERT_EQ(readFile(settingsPath()), QByteArray(".92\r\n75\r\n0\r\nY\r\n"));
    trigger("Exit");
    EXPECT_EQ(readFile(settingsPath()), QByteArray("00.920\r\n 75 \r\n 0 \r\nY\r\n"));
    EXPECT_EQ(rec.endProgramCalls, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(StartAndExit, ExitWritesTheValuesInForce) {
    writeSettings("1.06\r\n75\r\n3\r\nY\r\n");
    start();
    window->speedFrame()->setValue(40);
    trigger("AutoMove");
    EXPECT_EQ(s().AutoMove, No);
    trigger("Exit");
    EXPECT_EQ(readFile(settingsPath()), QByteArray("01.060\r\n 40 \r\n 3 \r\nN\r\n"));
}

TEST_F(StartAndExit, ClosingTheWindowSavesAndEndsWithoutAQuestion) {
    start();
    window->speedFrame()->setValue(12);
    window->close();
    EXPECT_EQ(readFile(settingsPath()), QByteArray("00.920\r\n 12 \r\n 0 \r\nY\r\n"));
    EXPECT_EQ(rec.endProgramCalls, 1);
    EXPECT_TRUE(rec.gameOverTitles.empty());
    EXPECT_EQ(storedScores().played(), 0) << "a game given up this way is not reported";
}

TEST_F(StartAndExit, ExitClosesTheHelpWindowWhetherShownOrHidden) {
    start();
    trigger("Help");
    QPointer<HelpWindow> help = window->helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("zarn Help"));
    trigger("Exit");
    EXPECT_FALSE(help);
    EXPECT_EQ(readFile(settingsPath()), QByteArray("00.920\r\n 75 \r\n 0 \r\nY\r\n"));
    EXPECT_EQ(rec.endProgramCalls, 1);

    // Hidden by its own "Exit" button: still loaded, and still closed by the game's.
    window.reset();
    rec = {};
    start();
    trigger("Help");
    help = window->helpWindow();
    ASSERT_TRUE(help);
    QTest::mouseClick(help->exitButton(), Qt::LeftButton);
    ASSERT_TRUE(help);
    EXPECT_FALSE(help->isVisible());
    trigger("Exit");
    EXPECT_FALSE(help);
    EXPECT_EQ(rec.endProgramCalls, 1);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
}

TEST_F(StartAndExit, CtrlXExits) {
    start();
    activate();
    window->speedFrame()->setValue(30);
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(rec.endProgramCalls, 1);
    EXPECT_EQ(readFile(settingsPath()), QByteArray("00.920\r\n 30 \r\n 0 \r\nY\r\n"));
}

} // namespace
} // namespace zarn::test
