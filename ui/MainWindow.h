#pragma once
// The main window "ZARN": the table, the Game menu, and the answers to everything the
// engine asks of the application (GameHost). Building it runs the whole start-up: the
// artwork, the screen metrics, the settings, the score table, the background, the card
// pictures and the first deal; it is shown by the caller once it is built. Card pictures
// still being drawn on worker threads are waited for just before the table is first shown
// or drawn; the window icon is set once the first frame is on the screen.

#include "game/Game.h"
#include "game/GameHost.h"
#include "play/TableCommands.h"
#include "play/TablePointer.h"
#include "settings/SettingsFile.h"
#include "table/Pictures/CardPicturesJob.h"
#include "ui/GlidePacer.h"

#include <QCursor>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

class QAction;

namespace zarn {

class HelpWindow;
class ScoreTable;
class SpeedFrame;
class TableWidget;

// What start-up takes from the world; tests replace parts of it.
struct MainWindowOptions {
    // The folder the artwork, tiles and settings file are read from (the working
    // directory when empty), opened once at start-up.
    QString progDir;
    // The score file (the user's data folder when empty).
    QString scoreFile;
    // Tells the player about the settings file, the score file, the artwork and the tiles
    // (a message box titled "ZARN" by default); returns when it has been acknowledged.
    std::function<void(const Notice&)> notice;
    // Asks "another game ?" under the title; true for Yes (a message box by default).
    std::function<bool(const QString& title)> askAnotherGame;
    // Ends the program at once (QCoreApplication::exit by default).
    std::function<void()> endProgram;
    // A fixed shuffle sequence instead of one seeded from the system.
    std::optional<std::uint64_t> seed;
    // Glide steps paced in real time, as the player sees them (off: a glide runs as
    // fast as its steps go, for tests).
    bool pacedGlides = true;
};

// The Game menu's commands.
struct GameMenuActions {
    QAction* undo = nullptr;
    QAction* dealAgain = nullptr;
    QAction* resetPositions = nullptr;
    QAction* increaseSize = nullptr;
    QAction* decreaseSize = nullptr;
    QAction* showScores = nullptr;
    QAction* autoMove = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;
    QAction* exit = nullptr;
};

class MainWindow : public QMainWindow, public GameHost {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowOptions options = {});
    ~MainWindow() override;

    Game& game() { return *game_; }
    GameState& state() { return game_->state(); }
    TableWidget* table() const { return table_; }
    SpeedFrame* speedFrame() const { return speed_; }
    ScoreTable* scoreTable() const { return scores_; }
    HelpWindow* helpWindow() const;
    const GameMenuActions& actions() const { return actions_; }
    TableCommands& commands() { return *commands_; }
    TablePointer& pointer() { return *pointer_; }
    const QString& progDir() const { return progDir_; }

    // GameHost.
    void processEvents() override;
    bool showGameOver(bool won) override;
    void setSizeCommandsEnabled(bool enabled) override;
    bool sizeCommandsEnabled() const override;
    void layOutDeal() override;
    void showLayout() override;
    void cardSizeChanged() override;
    void dealAbandoned() override;
    void glideStarted(int card, int target, int steps) override;

    // The menu commands that do not change the table.
    void showScores();
    void toggleAutoMove();
    void showHelp();
    void showAbout();
    void exitGame();
    // A right-button press on the bare table: the next background.
    void nextBackground();

    // Writes the settings file with the values in force.
    bool saveSettings();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void loadSettings();
    void setUpScoreTable(const QString& scoreFile);
    void composePictures();
    void applyBackground();
    void fitWindow();
    QSize frameExtra() const;
    void refitForFrame();
    void enforceMinimumSize();
    void endProgram();
    // Tells the player what the readers and writers of the game's files refused (each
    // refused file once a session); held until the end of start-up.
    void tell(const std::vector<Notice>& notices);
    void installStartUpPictures();
    void afterFirstFrame();

    MainWindowOptions options_;
    // The folder of the settings, artwork and tiles, opened once at start-up.
    Folder folder_;
    QString progDir_;
    // The first pictures, made on worker threads while the window is built; installed
    // before the table is first shown or drawn.
    std::unique_ptr<CardPicturesJob> pictureJob_;
    // The strips drawn for them, kept in the cache once the first frame is shown; the
    // writing waits for the one before and is waited for when the window goes.
    std::vector<DrawnStrip> stripsToKeep_;
    QString cacheFolder_;
    std::future<void> keeping_;
    bool firstFrame_ = false;
    float twipsPerPixelX_ = 15, twipsPerPixelY_ = 15;
    TableWidget* table_ = nullptr;
    SpeedFrame* speed_ = nullptr;
    QCursor dragPointer_; // made at the first drag, for the screen then in use
    ScoreTable* scores_ = nullptr;
    SettingsFile settingsFile_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<TablePointer> pointer_;
    std::unique_ptr<TableCommands> commands_;
    GameMenuActions actions_;
    GlidePacer pacer_;
    QPointer<HelpWindow> help_;
    bool ended_ = false;
    std::set<QString> refusedFilesTold_; // each refused file is told once a session
    // What start-up has to tell, told at its end.
    std::optional<std::vector<Notice>> heldNotices_ = std::vector<Notice>();
    // The outer size the last layout asked for, and the frame known at that time: the
    // frame is only known once the window is on the screen.
    QSize fittedOuter_;
    QSize frameAtFit_;
};

} // namespace zarn
