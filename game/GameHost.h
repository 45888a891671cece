#pragma once
// What the engine asks of the application around it. The game window answers these
// with the real window; tests answer them with recorders.

namespace zarn {

class GameHost {
public:
    virtual ~GameHost() = default;
    // Let the window system handle pending events (called at every glide step).
    virtual void processEvents() = 0;
    // The game is over (won or blocked): report it, save the settings and ask
    // "another game ?". Returns true for Yes. On No the application ends.
    virtual bool showGameOver(bool won) = 0;
    // Enable or disable "Increase Card Size" and "Decrease Card Size".
    virtual void setSizeCommandsEnabled(bool enabled) = 0;
    // Lay the deal of Deck out on the table and fit the window to it.
    virtual void layOutDeal() = 0;
    // A card starts to glide towards target through `steps` intermediate positions.
    virtual void glideStarted(int card, int target, int steps) {
        (void)card, (void)target, (void)steps;
    }
};

} // namespace zarn
