#pragma once
// How a long pass over a period's records reports its progress and learns that the user
// stopped it. The pass itself is plain code over the data module; a screen lends it a gauge
// (ui::LongPass), the command line and the tests lend it nothing.
#include <cstddef>

namespace core {

// Thrown out of PassProgress::advance when the user stopped the pass; the pass unwinds,
// putting its tables back on the way, and the screen treats it as a cancel.
struct PassCancelled {};

class PassProgress {
  public:
    virtual ~PassProgress() = default;
    // A new stage of `count` records begins: the gauge starts again from 0.
    virtual void start(std::size_t count) = 0;
    // One record read. May throw PassCancelled.
    virtual void advance() = 0;
    // False when nobody watches: a walk then need not count its records for start().
    virtual bool watched() const { return true; }
};

// Progress nobody watches.
PassProgress& noProgress();

}  // namespace core
