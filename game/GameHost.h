#pragma once
// What the engine asks of the application around it. The game window answers these
// with the real window; tests answer them with recorders.

namespace zarn {

class GameHost {
public:
    virtual ~GameHost() = default;
    // Let the window system handle pending events: before every step of a glide and at
    // the start of every pass of the sweep. The window paces the glide's steps here.
    virtual void processEvents() = 0;
    // The game is over (won or blocked): report it, save the settings and ask
    // "another game ?". Returns true for Yes. On No the application ends.
    virtual bool showGameOver(bool won) = 0;
    // Enable or disable "Increase Card Size" and "Decrease Card Size".
    virtual void setSizeCommandsEnabled(bool enabled) = 0;
    // Whether they are enabled now: a size change chosen during automatic play runs
    // only if no move of the deal has been made by then.
    virtual bool sizeCommandsEnabled() const { return true; }
    // Lay the deal of Deck out on the table (TableCommands::LayOut does it).
    virtual void layOutDeal() = 0;
    // The table was laid out anew: fit the window, the panels and the card size to it.
    virtual void showLayout() {}
    // The card size changed: make the pictures for it before the deal is laid out again.
    virtual void cardSizeChanged() {}
    // The deal on the table is given up for a new one: it counts as a lost game.
    virtual void dealAbandoned() {}
    // A card starts to glide towards target through `steps` intermediate positions.
    virtual void glideStarted(int card, int target, int steps) {
        (void)card, (void)target, (void)steps;
    }
};

} // namespace zarn
