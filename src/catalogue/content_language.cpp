#include "catalogue/content_language.h"

#include "formats/text_table.h"
#include "platform/whole_file.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStringList>
#include <exception>

namespace catalogue {

namespace {

// The language folders to look in, the most particular first: none for Russian, which is the
// catalogue's own language.
QStringList language_codes()
{
    const QLocale locale;
    if (locale.language() == QLocale::Russian || locale.language() == QLocale::C)
        return {};
    const QString name = locale.name();
    const QString language = name.section(u'_', 0, 0);
    return name == language ? QStringList{name} : QStringList{name, language};
}

QString first_existing(const QString& dir, const QString& relative)
{
    for (const QString& code : language_codes()) {
        const QString path = dir + "lang/" + code + '/' + relative;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

// A table that cannot be read counts as empty: the place is then shown in Russian.
QString table_text(const QString& catalogue_dir, const QString& table, const QString& name)
{
    const QString path = first_existing(catalogue_dir, table);
    if (path.isEmpty())
        return {};
    try {
        return formats::read_text_table(platform::read_whole_file(path, formats::max_table_file_size))
            .value(name);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

PlaceTexts place_texts(const QString& name, const QString& catalogue_dir)
{
    PlaceTexts texts;
    texts.shown_name = table_text(catalogue_dir, QStringLiteral("names.txt"), name);
    if (texts.shown_name.isEmpty())
        texts.shown_name = name;
    texts.caption = table_text(catalogue_dir, QStringLiteral("captions.txt"), name);
    if (texts.caption.isEmpty())
        texts.caption = texts.shown_name;
    texts.russian_description_file = catalogue_dir + "info/" + name + ".txt";
    texts.description_file = first_existing(catalogue_dir, "info/" + name + ".txt");
    if (texts.description_file.isEmpty())
        texts.description_file = texts.russian_description_file;
    return texts;
}

QString language_file(const QString& res_dir, const QString& relative)
{
    return first_existing(res_dir, relative);
}

} // namespace catalogue
