#include "app/qt_translations.h"

#include "core/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {

void install_translation(QCoreApplication& application, const QString& name, const QString& dir)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(name, dir) || !QCoreApplication::installTranslator(translator))
        delete translator;
}

} // namespace

QString use_interface_language(QCoreApplication& application, const QString& setting,
                               const QString& translations_dir)
{
    const QString language = core::chosen_language(setting, core::desktop_languages(),
                                                   core::available_languages(translations_dir));
    QLocale::setDefault(QLocale(language));
    // Named, not looked up by locale: the program speaks the chosen language whatever the locale.
    install_translation(application, QStringLiteral("qtbase_") + language,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language != core::source_language)
        install_translation(application, QStringLiteral("koloriton_") + language, translations_dir);
    return language;
}

} // namespace app
