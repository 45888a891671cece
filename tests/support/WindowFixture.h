#pragma once
// The real main window in a temporary working folder, with the dialogs it would show
// answered by recorders, and helpers that drive it with real mouse events.

#include "Files.h"
#include "game/Cards.h"
#include "game/Shuffle.h"
#include "scores/ScoreTable.h"
#include "ui/MainWindow.h"
#include "ui/TableWidget.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zarn::test {

struct WindowRecorders {
    std::vector<QString> notices;
    bool shownAtNotice = false, settingsAtNotice = false; // at the last notice
    std::vector<QString> gameOverTitles;
    bool answer = true;            // the answer to "another game ?"
    QByteArray settingsAtQuestion; // the settings file when it was asked
    bool realGameOverBox = false;  // ask with the real message box instead
    int endProgramCalls = 0;
};

class WindowFixture : public ::testing::Test {
public:
    QTemporaryDir dir;
    WindowRecorders rec;
    std::unique_ptr<MainWindow> window;
    bool pacedGlides = false;     // glides at the pace the player sees, or at once
    bool inCurrentFolder = false; // started in the process's current folder, not in dir

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString settingsPath() const { return path("zarn.pro"); }
    QString scorePath() const { return path("scores/scores.txt"); }

    void writeFile(const QString& file, const QByteArray& bytes) { WriteAll(file, bytes); }
    QByteArray readFile(const QString& file) const { return ReadAll(file); }
    void writeSettings(const QByteArray& bytes) { writeFile(settingsPath(), bytes); }

    // Starts the game (the settings file, if any, written beforehand) and shows it.
    MainWindow& start(std::uint64_t seed = 7) {
        MainWindowOptions o;
        if (!inCurrentFolder) o.progDir = dir.path();
        o.scoreFile = scorePath();
        o.seed = seed;
        o.pacedGlides = pacedGlides;
        o.notice = [this](const Notice& notice) {
            rec.notices.push_back(notice.text);
            rec.shownAtNotice = QApplication::activeWindow() != nullptr;
            rec.settingsAtNotice = QFile::exists(settingsPath());
        };
        if (!rec.realGameOverBox)
            o.askAnotherGame = [this](const QString& title) {
                rec.gameOverTitles.push_back(title);
                rec.settingsAtQuestion = readFile(settingsPath());
                return rec.answer;
            };
        o.endProgram = [this] { ++rec.endProgramCalls; };
        window = std::make_unique<MainWindow>(o);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    GameState& s() { return window->state(); }
    TableWidget* table() { return window->table(); }
    bool atHome(int c) {
        return table()->isVisible(c) && RoundEven(table()->left(c)) == s().CardHomeX[c] &&
               RoundEven(table()->top(c)) == s().CardHomeY[c];
    }
    void trigger(QAction* GameMenuActions::*action) { (window->actions().*action)->trigger(); }

    // The table pixel at (dx, dy) twips inside picture p.
    QPoint pixelIn(int p, float dx, float dy) {
        const float tpp = table()->twipsPerPixel();
        return QPoint(int((table()->left(p) + dx) / tpp), int((table()->top(p) + dy) / tpp));
    }
    // The middle of the uncovered strip of picture p (a card a few twips below its top
    // edge, where no card of its column covers it).
    QPoint grabPoint(int p) { return pixelIn(p, s().CardWidth / 2.0f, 60.0f); }

    // Drags card c (and what lies on it) so that its corner lands just inside the top
    // card (or marker) of pile `to`.
    void drag(int c, int to) {
        const QPoint from = grabPoint(c);
        const int target = TopCard(s(), to);
        const QPoint delta = pixelIn(target, 90, 90) - pixelIn(c, 0, 0);
        QTest::mousePress(table(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(table(), from + delta / 2);
        QTest::mouseMove(table(), from + delta);
        QTest::mouseRelease(table(), Qt::LeftButton, Qt::NoModifier, from + delta);
    }
};

} // namespace zarn::test
