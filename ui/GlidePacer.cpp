#include "ui/GlidePacer.h"

#include <thread>

namespace zarn {

void GlidePacer::start(int steps) {
    start_ = Clock::now();
    step_ = 0;
    steps_ = steps;
}

void GlidePacer::beforeStep() {
    if (step_ >= steps_) return;
    ++step_;
    // The yield before position i = step_ + 1 of the glide (positions 0 and N are the
    // card's home and its destination); its moment is brought forward to the start of
    // its batch.
    const std::chrono::nanoseconds due = StepTime * (step_ + 1);
    std::this_thread::sleep_until(start_ + due / Batch * Batch);
}

} // namespace zarn
