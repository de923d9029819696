#include "catalogue/page_switcher.h"

namespace catalogue {

void PageSwitcher::connect_handlers() {}

} // namespace catalogue
