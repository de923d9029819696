#include "catalogue/page_switcher.h"

namespace catalogue {

void PageSwitcher::connect_handlers() {}

void PageSwitcher::Image2Click(platform::PictureControl*) {}

} // namespace catalogue
