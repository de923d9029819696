#pragma once

#include "pixels/bitmap.h"
#include "widgets/picture_control.h"

#include <functional>

namespace history {

// Asked before a step that replaces the drawing on the canvas: whether the step may go on.
using ReplaceCheck = std::function<bool()>;

// Whether the canvas holds changes that no file has: since a picture was opened into it or the
// drawing was saved, a press changed its pixels (a pipette press never does) or an undo or redo
// swapped it with a snapshot.
class UnsavedChanges {
public:
    explicit UnsavedChanges(const widgets::PictureControl& canvas);

    bool any() const;
    // The canvas shows a picture just opened, or the drawing just saved.
    void mark_clean();
    // Undo or redo swapped the canvas with a snapshot.
    void mark_swapped() { swapped_ = true; }

private:
    const widgets::PictureControl& canvas_;
    // The canvas as it was opened or saved. Presses are compared with it only when someone asks,
    // so they cost nothing; a pipette press never differs.
    pixels::Bitmap clean_;
    bool swapped_ = false;
};

} // namespace history
