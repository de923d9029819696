#pragma once

#include <QString>

class QCoreApplication;

namespace app {

// Chooses the interface's language (core::chosen_language over `setting`, the desktop's languages
// and the translations in `translations_dir`), makes it the default locale, and installs
// the program's translation and Qt's own for it (the buttons, labels and questions of the file
// dialogs and message boxes Qt makes, from the translations folder of the Qt installation). Either
// translation may be missing: its texts then stay as written. Returns the language's code. Called
// before any window is made.
QString use_interface_language(QCoreApplication& application, const QString& setting,
                               const QString& translations_dir);

} // namespace app
