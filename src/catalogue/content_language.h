#pragma once

#include <QString>

namespace catalogue {

// The catalogue's content in the interface's language (QLocale()'s). A folder laid out like res/
// may hold lang/<code>/ beside its Russian files, <code> a language ("en") or a language and
// country ("en_GB", looked up first):
//   names.txt      the name each place is shown by, "маяк = Lighthouse" (formats/text_table)
//   captions.txt   the caption of each place's photograph, in the same form
//   info/<name>.txt  a description, in the form of the Russian ones
//   design/<control>.bmp  a picture of the window whose words are in the language
// Whatever a language lacks (an own place, a missing or unreadable file, a line left out) is
// taken from Russian, silently. With Russian, or no language, nothing under lang/ is read.

// What the child is told of place `name` of the catalogue folder `catalogue_dir`.
struct PlaceTexts {
    // The place's name in the language, or its Russian name.
    QString shown_name;
    // The photograph's caption in the language, or the shown name.
    QString caption;
    // The language's description file when there is one, else the Russian one (info/<name>.txt).
    QString description_file;
    // The Russian description, for when the language's cannot be read.
    QString russian_description_file;
};
PlaceTexts place_texts(const QString& name, const QString& catalogue_dir);

// The language's rendering of `relative` (a file under lang/<code>/ of `res_dir`), or empty when
// the language has none.
QString language_file(const QString& res_dir, const QString& relative);

} // namespace catalogue
