// The Game menu and what its commands do.
#include "scores/ScoreTable.h"
#include "ui/AboutBox.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/TableWidget.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace zarn {

void MainWindow::buildMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Game"));
    auto add = [&](const char* name, const char* caption, auto slot, QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    GameMenuActions& a = actions_;
    a.undo = add("Undox", "Undo Last Move", [this] { commands_->UndoLastMove(); });
    a.dealAgain = add("DealAgainx", "Deal Again", [this] { commands_->DealAgain(); });
    a.resetPositions = add("ResetPosx", "Reset Positions", [this] { commands_->ResetPositions(); });
    menu->addSeparator();
    a.increaseSize = add(
        "IncreaseSizex", "Increase Card Size", [this] { commands_->ChangeCardSize(true); },
        QKeySequence(Qt::CTRL | Qt::Key_I));
    a.decreaseSize = add(
        "DecSizex", "Decrease Card Size", [this] { commands_->ChangeCardSize(false); },
        QKeySequence(Qt::CTRL | Qt::Key_D));
    menu->addSeparator();
    a.showScores = add("ShowScoresx", "Show Scores", &MainWindow::showScores);
    a.autoMove = add("AutoMovex", "AutoMove", &MainWindow::toggleAutoMove);
    a.autoMove->setCheckable(true);
    a.autoMove->setChecked(state().AutoMove == Yes);
    menu->addSeparator();
    a.help = add("Helpx", "Help", &MainWindow::showHelp);
    a.about = add("Aboutx", "About", &MainWindow::showAbout);
    menu->addSeparator();
    a.exit = add("Exitx", "Exit", &MainWindow::exitGame, QKeySequence(Qt::CTRL | Qt::Key_X));
}

void MainWindow::showScores() {
    scores_->setScoresRequested(true);
    tell(scores_->takeNotices());
    scores_->show();
    scores_->raise();
}

void MainWindow::toggleAutoMove() {
    game_->ToggleAutoMove();
    actions_.autoMove->setChecked(state().AutoMove == Yes);
}

void MainWindow::showHelp() {
    HelpWindow::Open(help_, this, twipsPerPixelX_);
}

void MainWindow::showAbout() {
    AboutBox::Show(this, twipsPerPixelX_);
}

// Closing writes the settings file.
void MainWindow::exitGame() {
    delete help_; // shown or hidden, the help window goes first
    close();
}

} // namespace zarn
