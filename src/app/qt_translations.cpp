#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

bool install_qt_translations(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    // The program speaks Russian whatever the user's locale, so the catalogue is named, not looked up.
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace app
