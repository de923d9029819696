#pragma once

#include <QString>
#include <QStringList>

namespace core {

// The language the program speaks unless a translation for another is chosen: its texts are
// written in it.
inline const QString source_language = QStringLiteral("ru");

// Whether `code` names a language as the settings and the translations' files do: "en", "uk",
// "pt_BR" (two or three small letters, then an optional "_" and two capitals).
bool is_language_code(const QString& code);

// The folder of the translations' files of the executable in `program_dir`: translations/ beside
// the resource tree.
QString translations_dir_for_program(const QString& program_dir);

// The languages the program can speak: the source language and every koloriton_<code>.qm in
// `translations_dir`, sorted, each once.
QStringList available_languages(const QString& translations_dir);

// The codes the desktop asks for, most wanted first: each of LANGUAGE's colon-separated list, then
// the first set of LC_ALL, LC_MESSAGES and LANG; "C" and "POSIX" ask for none.
QStringList desktop_languages();

// The language to speak: `setting` when it is set, else the first of `wanted` that one of
// `available` serves ("uk_UA.UTF-8" is served by "uk_UA" or "uk"); the source language when
// none is.
QString chosen_language(const QString& setting, const QStringList& wanted, const QStringList& available);

} // namespace core
