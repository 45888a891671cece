// The Game menu and what its commands do.
#include "game/Cards.h"
#include "scores/ScoreTable.h"
#include "table/CardMetrics.h"
#include "table/Layout.h"
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
    add("Undox", "Undo Last Move", &MainWindow::undoLastMove);
    add("DealAgainx", "Deal Again", &MainWindow::dealAgain);
    add("ResetPosx", "Reset Positions", &MainWindow::resetPositions);
    menu->addSeparator();
    add(
        "IncreaseSizex", "Increase Card Size", [this] { changeCardSize(true); },
        QKeySequence(Qt::CTRL | Qt::Key_I));
    add(
        "DecSizex", "Decrease Card Size", [this] { changeCardSize(false); },
        QKeySequence(Qt::CTRL | Qt::Key_D));
    menu->addSeparator();
    add("ShowScoresx", "Show Scores", &MainWindow::showScores);
    QAction* autoMove = add("AutoMovex", "AutoMove", &MainWindow::toggleAutoMove);
    autoMove->setCheckable(true);
    autoMove->setChecked(state().AutoMove == Yes);
    menu->addSeparator();
    add("Helpx", "Help", &MainWindow::showHelp);
    add("Aboutx", "About", &MainWindow::showAbout);
    menu->addSeparator();
    add("Exitx", "Exit", &MainWindow::exitGame, QKeySequence(Qt::CTRL | Qt::Key_X));
}

QAction* MainWindow::command(const QString& caption) const {
    for (QAction* action : menuBar()->actions().first()->menu()->actions())
        if (action->text() == caption) return action;
    return nullptr;
}

void MainWindow::undoLastMove() {
    game_->RunTableCommand([this] { game_->UndoLastMove(); });
}

void MainWindow::dealAgain() {
    game_->RunTableCommand([this] {
        scores_->setGameWon(false);
        game_->NewGame();
        setSizeCommandsEnabled(true);
    });
}

void MainWindow::resetPositions() {
    game_->RunTableCommand([this] {
        RestartDeal(state(), *table_); // the same deal again, from its first position
        showLayout();
        setSizeCommandsEnabled(true);
    });
}

void MainWindow::changeCardSize(bool larger) {
    game_->RunTableCommand([this, larger] {
        GameState& s = state();
        const float scale = larger ? IncreasedScale(s.SizeScale) : DecreasedScale(s.SizeScale);
        RebuildCardPictures(s, *table_, *this, scale, progDir_, devicePixelRatioF(),
                            [this](const CardPictures& p) { table_->setPictures(p); });
    });
}

void MainWindow::showScores() {
    scores_->setScoresRequested(true);
    scores_->show();
    scores_->raise();
}

void MainWindow::toggleAutoMove() {
    game_->ToggleAutoMove();
    command(QStringLiteral("AutoMove"))->setChecked(state().AutoMove == Yes);
}

void MainWindow::showHelp() {
    HelpWindow::Open(help_, this, twipsPerPixelX_);
}

void MainWindow::showAbout() {
    AboutBox::Show(this, twipsPerPixelX_);
}

void MainWindow::exitGame() {
    saveSettings();
    delete help_; // shown or hidden, the help window goes first
    close();
}

} // namespace zarn
