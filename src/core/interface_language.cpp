#include "core/interface_language.h"

#include "core/resource_paths.h"

#include <QDir>
#include <QRegularExpression>

namespace core {

namespace {

const QString translation_prefix = QStringLiteral("koloriton_");

// "uk_UA.UTF-8@euro" without its code set and modifier: "uk_UA".
QString without_encoding(const QString& locale)
{
    return locale.section('.', 0, 0).section('@', 0, 0);
}

// The first of `code` itself and its language alone ("pt_BR", then "pt") that `available` holds.
QString served(const QString& code, const QStringList& available)
{
    if (available.contains(code))
        return code;
    const QString language = code.section('_', 0, 0);
    return available.contains(language) ? language : QString();
}

} // namespace

bool is_language_code(const QString& code)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
    return pattern.match(code).hasMatch();
}

QString translations_dir_for_program(const QString& program_dir)
{
    return QDir(resource_root(program_dir)).filePath(QStringLiteral("translations"));
}

QStringList available_languages(const QString& translations_dir)
{
    QStringList codes{source_language};
    const QStringList files =
        QDir(translations_dir).entryList({translation_prefix + "*.qm"}, QDir::Files | QDir::Readable);
    for (const QString& file : files) {
        const QString code = file.mid(translation_prefix.size()).chopped(3);
        if (is_language_code(code) && !codes.contains(code))
            codes.append(code);
    }
    codes.sort();
    return codes;
}

QStringList desktop_languages()
{
    QStringList wanted;
    for (const QString& entry : qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts))
        wanted.append(without_encoding(entry));
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(name);
        if (locale.isEmpty())
            continue;
        wanted.append(without_encoding(locale));
        break;
    }
    wanted.removeAll(QStringLiteral("C"));
    wanted.removeAll(QStringLiteral("POSIX"));
    return wanted;
}

QString chosen_language(const QString& setting, const QStringList& wanted, const QStringList& available)
{
    if (!setting.isEmpty())
        return served(setting, available).isEmpty() ? source_language : served(setting, available);
    for (const QString& code : wanted)
        if (const QString language = served(code, available); !language.isEmpty())
            return language;
    return source_language;
}

} // namespace core
