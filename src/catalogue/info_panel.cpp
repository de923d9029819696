#include "catalogue/info_panel.h"

namespace catalogue {

void InfoPanel::connect_handlers() {}

} // namespace catalogue
