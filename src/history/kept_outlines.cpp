#include "history/kept_outlines.h"

namespace history {

void KeptOutlines::picture_opened(const platform::Bitmap& picture)
{
    if (enabled_)
        current_ =
            std::make_shared<const platform::OutlineMask>(platform::OutlineMask::of_black_pixels(picture));
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
