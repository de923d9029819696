#include "history/kept_outlines.h"

namespace history {

void KeptOutlines::picture_opened(const pixels::Bitmap& picture)
{
    if (enabled_)
        current_ =
            std::make_shared<const pixels::OutlineMask>(pixels::OutlineMask::of_black_pixels(picture));
}

void KeptOutlines::undone()
{
    redo_ = current_;
    current_ = undo_;
}

void KeptOutlines::redone()
{
    undo_ = current_;
    current_ = redo_;
}

} // namespace history
