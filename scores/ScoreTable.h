#pragma once
// The score table: a panel on the main window showing the results of one game name
// (games played, won and lost, the share won, the current and the longest streaks),
// with "Reset" (after a confirmation) and "Close".
//
// Presses on the panel are its own: none reaches what lies under it. Its contents keep to
// the part of it that lies inside its parent, so "Close" can be reached however small the
// window is.
//
// The main window only sets its members, in this order:
//   setGameName("zarn"); setStartupFlagB(true); setStartupFlagA(true);   at start-up
//   setGameWon(won)                                                       per game
//   setScoresRequested(true); show(); raise();                           "Show Scores"
//
// StartupFlagB true reads the stored figures; StartupFlagA chooses whether results are
// kept in the score file (true, the normal case) or only counted for this session.
// Every result goes to the score file at once (see ScoreStore); a result that cannot
// be written stays pending, is shown in the figures and is written with the next one.
// A failure to read or write the score file leaves a notice for the window to tell.

#include "files/Notice.h"
#include "scores/ScoreStore.h"

#include <QFrame>
#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;

namespace zarn {

class ScoreTable : public QFrame {
    Q_OBJECT
public:
    // Place on the main window, twips.
    static constexpr float LeftTwips = 3390;
    static constexpr float TopTwips = 1170;
    static constexpr float WidthTwips = 3555;
    static constexpr float HeightTwips = 1815;

    // Asks the player a yes/no question; true for yes.
    using ConfirmFn = std::function<bool(QWidget* parent, const QString& question)>;
    static bool AskWithMessageBox(QWidget* parent, const QString& question);

    explicit ScoreTable(QWidget* parent = nullptr,
                        const QString& storePath = ScoreStore::DefaultPath());
    ~ScoreTable() override;

    void setGameName(const QString& name);
    void setStartupFlagB(bool loadStoredFigures);
    void setStartupFlagA(bool keepResults);
    // Records one finished game: true won, false blocked or given up.
    void setGameWon(bool won);
    // Brings the figures up to date (another copy may have played meanwhile).
    void setScoresRequested(bool requested);

    // Sizes and places the panel for the screen's twips per pixel.
    void setTwipsPerPixel(float twipsPerPixel);
    // Makes the labels and buttons the first time.
    void setVisible(bool visible) override;
    // The button that hides the panel (once it has been shown).
    QPushButton* closeButton() const { return close_; }
    void setConfirm(ConfirmFn confirm) { confirm_ = std::move(confirm); }
    // What the player is to be told since the last call, oldest first.
    std::vector<Notice> takeNotices() { return std::exchange(notices_, {}); }

    QString gameName() const { return gameName_; }
    // The figures shown, pending results included.
    ScoreRecord figures() const;
    int pendingResults() const { return static_cast<int>(pending_.size()); }
    // Why the last write of the score file failed; empty when it succeeded.
    QString lastError() const { return lastError_; }
    ScoreStore& store() { return store_; }

public slots:
    // Asks, then sets the figures of the game name to zero.
    void resetScores();

signals:
    // After resetScores(), whether or not the player said yes and the file was written.
    void resetAsked();

private:
    void buildContents();
    void applySizes();
    void fitInsideParent();
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool flushPending();
    void fail(const QString& error);
    void refresh();

    ScoreStore store_;
    QString gameName_ = QStringLiteral("zarn");
    bool keepResults_ = true;
    ScoreRecord stored_; // last figures read from or written to the file
    struct Result {
        QString name;
        bool won;
    };
    std::vector<Result> pending_; // results not yet in the file, oldest first
    QString lastError_;
    ConfirmFn confirm_ = AskWithMessageBox;
    std::vector<Notice> notices_;
    float twipsPerPixel_ = 15.0f;

    QLabel* title_ = nullptr;
    QLabel* played_ = nullptr;
    QLabel* won_ = nullptr;
    QLabel* lost_ = nullptr;
    QLabel* streak_ = nullptr;
    QLabel* longest_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace zarn
