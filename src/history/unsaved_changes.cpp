#include "history/unsaved_changes.h"

namespace history {

UnsavedChanges::UnsavedChanges(const platform::PictureControl& canvas)
    : canvas_(canvas), clean_(canvas.picture())
{
}

bool UnsavedChanges::any() const
{
    return swapped_ || !(canvas_.picture() == clean_);
}

void UnsavedChanges::mark_clean()
{
    clean_ = canvas_.picture();
    swapped_ = false;
}

} // namespace history
