#pragma once

class QCoreApplication;

namespace app {

// Installs Qt's own Russian texts (the buttons, labels and questions of the file dialogs and
// message boxes that Qt makes) from the translations folder of the Qt installation. False when
// they are not installed; Qt's texts then stay English and the program runs on.
bool install_qt_translations(QCoreApplication& application);

} // namespace app
