#include "history/unsaved_changes.h"

namespace history {

UnsavedChanges::UnsavedChanges(const widgets::PictureControl& canvas)
    : canvas_(canvas), clean_(canvas.picture())
{
}

bool UnsavedChanges::any() const
{
    if (swapped_)
        return true;
    // A canvas no press has written to still shares the clean copy's pixels and needs no comparison.
    const pixels::Bitmap& now = canvas_.picture();
    return now.image().cacheKey() != clean_.image().cacheKey() && !(now == clean_);
}

void UnsavedChanges::mark_clean()
{
    clean_ = canvas_.picture();
    swapped_ = false;
}

} // namespace history
