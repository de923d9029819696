#include "colours/colour_panel.h"

namespace colours {

void ColourPanel::connect_handlers() {}

} // namespace colours
