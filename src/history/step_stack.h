#pragma once

#include "history/kept_outlines.h"
#include "pixels/bitmap.h"

#include <deque>

namespace history {

// One state of the canvas the history can bring back: its picture and the outlines it keeps.
struct Step {
    pixels::Bitmap picture;
    KeptOutlines::Mask outlines;
};

// The steps behind and ahead of the canvas when more than one step is kept, in memory: each step
// is a whole picture, which shares its pixels with the canvas until the next press changes them.
// At most `limit` steps behind and, as a new press drops the steps ahead, never more than
// `limit` in all: 50 steps of the largest canvas (474 x 593, 32 bits a pixel) are 56 MB.
class StepStack {
public:
    explicit StepStack(int limit = 1) : limit_(limit) {}
    int limit() const { return limit_; }

    // A press is about to change the canvas, which is `before`: the steps ahead go, and the
    // oldest step goes when there are more than the limit.
    void push(Step before);
    bool can_undo() const { return !behind_.empty(); }
    bool can_redo() const { return !ahead_.empty(); }
    // The step to show instead of `now`, which becomes the first step ahead (or behind for redo).
    // Only while can_undo() (can_redo()).
    Step undo(Step now);
    Step redo(Step now);
    void clear();

private:
    int limit_;
    std::deque<Step> behind_;
    std::deque<Step> ahead_;
};

} // namespace history
