#pragma once
// Paces the steps of a glide on the screen. The engine's glide is a number of steps (the
// speed bar's value squared), each after a yield to the window system; in the window a
// step falls due StepTime after the one before, so a glide of N steps lasts about
// N x 55 µs whatever a step costs: a card is seen travelling, and the speed bar sets for
// how long. Steps fall due in batches, one per Batch of time, and the program sleeps
// between the batches instead of spinning.

#include <chrono>

namespace zarn {

class GlidePacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds StepTime = std::chrono::microseconds(55);
    static constexpr std::chrono::nanoseconds Batch = std::chrono::milliseconds(2);

    // A glide begins with `steps` intermediate positions, each preceded by a yield.
    void start(int steps);
    // At a yield: when it comes before one of the glide's steps, waits until that step
    // is due. Other yields (those of the sweep between glides) do not wait.
    void beforeStep();

private:
    Clock::time_point start_{};
    int step_ = 0;
    int steps_ = 0;
};

} // namespace zarn
