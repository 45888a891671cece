#pragma once
// Random sessions on the engine: a player who drags, clicks, undoes and deals at random,
// menu commands and clicks that arrive while cards glide, and the checks every position
// of such a session must pass. Used by the property test and by the engine benchmark.

#include "game/Game.h"
#include "game/InMemorySurface.h"

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace zarn::test {

// What undo must give back exactly: the pile strings, PileOf and the foundation counters.
struct PileSnapshot {
    std::array<std::string, 21> piles{};
    std::array<i16, 53> pileOf{};
    std::array<i16, 4> counts{};
    bool operator==(const PileSnapshot&) const = default;
};
PileSnapshot TakeSnapshot(const GameState& s);
// The first difference between two snapshots, for failure messages; "" when equal.
std::string FirstDifference(const PileSnapshot& expected, const PileSnapshot& actual);

struct SessionStats {
    long actions = 0;
    long drags = 0, legalDrags = 0, movesRecorded = 0;
    long doubleClicks = 0, rightSends = 0, reveals = 0;
    long undos = 0, undoChecks = 0, fullUndos = 0;
    long resets = 0, deals = 0, sizeChanges = 0, autoMoveToggles = 0;
    long glideSteps = 0, injected = 0;
    long won = 0, blocked = 0, answeredNo = 0;
};

struct SessionOptions {
    bool check = true;            // run the checks after every action
    double injectChance = 0.25;   // per processEvents() call
    double answerNoChance = 0.05; // per game-over question
    // Also inject pointer moves over the bare table during glides.
    bool pointerOverTableMidGlide = true;
};

class RandomSession {
public:
    explicit RandomSession(std::uint64_t seed, SessionOptions options = {});
    ~RandomSession();
    RandomSession(const RandomSession&) = delete;
    RandomSession& operator=(const RandomSession&) = delete;

    // Plays one random action and checks the position it leaves. False once a check
    // has failed; failure() then says what and where.
    bool Step();
    const std::string& failure() const { return failure_; }
    const SessionStats& stats() const { return stats_; }
    const GameState& state() const;

private:
    struct Table;
    friend struct SessionHost;

    // Actions.
    void NewTable();
    void Act();
    void DragLegal();
    void DragToPile();
    void DragToPoint(bool bareTable);
    void Drag(int card, float cornerX, float cornerY, bool bareTable);
    void Click();
    void DoubleClickAny();
    void RightSend();
    void RevealAce();
    void Undo(bool all);
    void TableCommand(const char* name);
    void SetSpeed();

    // The host's side.
    void OnProcessEvents();
    bool OnGameOver(bool won);
    void Inject();

    // Checks.
    void CheckPosition();
    void CheckPiles();
    void CheckHistory();
    void CheckPictures();
    void CheckColumnFans();
    void CheckUndoStack();
    void CheckRecordedMove(const PileSnapshot& before, const PileSnapshot& after);
    void CheckGameOverPosition(bool won);
    void Fail(const std::string& what);

    int Uniform(int lo, int hi);
    float Real(float lo, float hi);
    bool Chance(double p);
    int RandomTopCard(bool anyPile);
    int EntryCount() const;

    std::uint64_t seed_;
    SessionOptions options_;
    std::mt19937_64 rng_;
    std::unique_ptr<Table> table_;
    SessionStats stats_;
    std::string failure_;
    std::string action_;                  // what the current action is, for messages
    std::vector<PileSnapshot> undoStack_; // [i]: the position when the history held i entries
    i16 lastMoveCount_ = 0;
    bool sizeCommandsEnabled_ = true;
    bool gameOverSeen_ = false;
    bool abandoned_ = false;
    int glideDepth_ = 0;
};

} // namespace zarn::test
