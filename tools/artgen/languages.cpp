#include "artgen.h"
#include "catalogue.h"

#include "formats/text_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <stdexcept>

namespace artgen {

namespace {

QByteArray read_source(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error((path + ": " + file.errorString()).toStdString());
    return file.readAll();
}

void write_text(const QString& path, const QByteArray& bytes)
{
    ensure_dir(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error((path + ": " + file.errorString()).toStdString());
}

// The places of the shipped catalogue, by the Russian names their files carry.
QStringList catalogue_names(const QString& catalogue_dir)
{
    QStringList names;
    for (const QFileInfo& svg : QDir(catalogue_dir).entryInfoList({"*.svg"}, QDir::Files))
        names << svg.completeBaseName();
    return names;
}

// A translator learns from the build what the language still lacks, and what names no place.
void warn_about_table(const QString& code, const QString& table_name, const QHash<QString, QString>& table,
                      const QStringList& places)
{
    QTextStream err(stderr);
    for (const QString& place : places)
        if (!table.contains(place))
            err << "artgen: warning: " << code << ": " << place << " has no line in " << table_name << '\n';
    for (auto it = table.begin(); it != table.end(); ++it)
        if (!places.contains(it.key()))
            err << "artgen: warning: " << code << ": " << table_name << " names no place " << it.key()
                << '\n';
}

// The names and captions go as they are written: the program reads them as UTF-8.
void copy_table(const QString& code, const QString& source, const QString& target, const QStringList& places)
{
    if (!QFileInfo(source).isFile()) {
        QTextStream(stderr) << "artgen: warning: " << code << " has no " << QFileInfo(source).fileName()
                            << '\n';
        return;
    }
    const QByteArray bytes = read_source(source);
    warn_about_table(code, QFileInfo(source).fileName(), formats::read_text_table(bytes), places);
    write_text(target, bytes);
}

// Descriptions are stored as the Russian ones are, so one reader shows them all.
void convert_descriptions(const QString& code, const QString& source_dir, const QString& info_dir,
                          const QStringList& places)
{
    for (const QFileInfo& source : QDir(source_dir).entryInfoList({"*.txt", "*.rtf"}, QDir::Files)) {
        const QString name = source.completeBaseName();
        if (!places.contains(name))
            QTextStream(stderr) << "artgen: warning: " << code << ": a description of no place, " << name
                                << '\n';
        const bool rtf = source.suffix() == "rtf";
        write_text(info_dir + name + ".txt",
                   description_1251(code + "/" + name, read_source(source.filePath()), rtf));
    }
}

// The start page's title and the panel's tabs carry words, so each language gets its own, at
// both densities.
void render_pictures_with_words(const QString& code, const QString& words_file, const Output& out)
{
    if (!QFileInfo(words_file).isFile())
        return;
    const QHash<QString, QString> words = formats::read_text_table(read_source(words_file));
    const QString title = words.value(QStringLiteral("Колоритон"));
    const QString photo = words.value(QStringLiteral("Фотография"));
    const QString description = words.value(QStringLiteral("Описание"));
    for (const int density : {1, 2}) {
        const DensityScope scope(density);
        if (!title.isEmpty())
            out.jpeg(out.res_dir + "lang/" + code + "/interface/main.jpg", start_page(title));
        if (!photo.isEmpty())
            out.bmp("lang/" + code + "/design/photo_tab.bmp", photo_tab(photo));
        if (!description.isEmpty())
            out.bmp("lang/" + code + "/design/description_tab.bmp", description_tab(description));
    }
}

void render_language(const QString& source, const QString& code, const Output& out, const QStringList& places)
{
    const QString target = out.res_dir + "lang/" + code + '/';
    copy_table(code, source + "/names.txt", target + "names.txt", places);
    copy_table(code, source + "/captions.txt", target + "captions.txt", places);
    convert_descriptions(code, source + "/descriptions", target + "info/", places);
    render_pictures_with_words(code, source + "/words.txt", out);
}

} // namespace

void render_languages(const QString& lang_dir, const Output& out)
{
    // Written afresh each time, so a file whose source was removed never stays behind.
    QDir(out.res_dir + "lang").removeRecursively();
    const QStringList places = catalogue_names(QFileInfo(lang_dir).path() + "/catalogue");
    for (const QFileInfo& language : QDir(lang_dir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        render_language(language.filePath(), language.fileName(), out, places);
}

} // namespace artgen
