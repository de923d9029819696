#pragma once

#include <QIcon>

namespace core {

// The program's own icon, the one its desktop entry installs, at every size it was rendered in.
QIcon application_icon();

} // namespace core
