#include "history/undo_redo.h"

namespace history {

void UndoRedo::connect_handlers() {}

} // namespace history
