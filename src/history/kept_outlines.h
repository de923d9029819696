#pragma once

#include "pixels/outline_mask.h"

#include <memory>

namespace history {

// The outlines a child cannot paint over, when the setting asks for them: the pixels that were
// pure black when the line drawing on the canvas was opened, or, for a drawing opened from a file,
// those of its pure black pixels that form thin lines (a sky the child painted black stays paint). The undo
// and redo steps each keep the outlines of the picture they hold, so an undo across an opening gives back the
// outlines of the picture it brings back. Switched off, there are never any.
class KeptOutlines {
public:
    using Mask = std::shared_ptr<const pixels::OutlineMask>;

    void set_enabled(bool enabled) { enabled_ = enabled; }

    // A line drawing was opened on the canvas: its pure black pixels become the outlines.
    void line_drawing_opened(const pixels::Bitmap& picture);
    // A drawing was opened from a file: its thin black lines become the outlines.
    void drawing_opened(const pixels::Bitmap& picture);
    // The undo snapshot now holds the canvas as it is.
    void snapshot_taken() { undo_ = current_; }
    // The canvas went to the redo snapshot and the undo snapshot came back.
    void undone();
    // The canvas went to the undo snapshot and the redo snapshot came back.
    void redone();

    // The outlines of the picture on the canvas; null when none are kept.
    const pixels::OutlineMask* current() const { return current_.get(); }

    // The same, to keep with a step of history, and the outlines of a step brought back.
    const Mask& shared_current() const { return current_; }
    void show(Mask outlines) { current_ = std::move(outlines); }

private:
    bool enabled_ = false;
    Mask current_;
    Mask undo_;
    Mask redo_;
};

} // namespace history
