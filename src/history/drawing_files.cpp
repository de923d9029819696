#include "history/drawing_files.h"

namespace history {

void DrawingFiles::connect_handlers() {}

} // namespace history
