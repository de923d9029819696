#include "catalogue.h"
#include "svg_variants.h"

#include "formats/bmp_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <stdexcept>

namespace artgen {

namespace {

constexpr QSize page_size(474, 593);
// The photograph shows the whole page: a square as tall as the page, centred on it. The scenery is
// drawn on across the square, so the sides show more sky and ground, never a cut edge.
constexpr QRectF photo_frame((page_size.width() - page_size.height()) / 2.0, 0, page_size.height(),
                             page_size.height());
constexpr int photo_side = 200;
// The strip shows thumbnails at 123 x 123, so this one file is already the strip's 2x rendering.
constexpr int preview_side = 246;
// The photograph's denser rendering; the line drawing has none, as the canvas shows its own pixels.
constexpr int dense_photo = 2;

struct Picture {
    QString name;
    QString svg;
    QString text; // empty when the picture has no description
    bool rtf = false;
};

QByteArray read_all(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error((path + ": " + file.errorString()).toStdString());
    return file.readAll();
}

void write_all(const QString& path, const QByteArray& bytes)
{
    ensure_dir(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error((path + ": " + file.errorString()).toStdString());
}

QList<Picture> pictures_in(const QString& dir)
{
    QList<Picture> pictures;
    for (const QFileInfo& svg : QDir(dir).entryInfoList({"*.svg"}, QDir::Files, QDir::Name)) {
        Picture picture{svg.completeBaseName(), svg.filePath(), {}, false};
        const QString base = dir + '/' + picture.name;
        if (QFileInfo::exists(base + ".rtf"))
            picture.text = base + ".rtf", picture.rtf = true;
        else if (QFileInfo::exists(base + ".txt"))
            picture.text = base + ".txt";
        pictures << picture;
    }
    return pictures;
}

QStringList outputs_of(const Output& out, const Picture& picture)
{
    QStringList files = {out.res_dir + "clipart/" + picture.name + ".bmp",
                         out.res_dir + "info/" + picture.name + ".bmp",
                         out.res_dir + at_density("info/" + picture.name + ".bmp", dense_photo),
                         out.res_dir + "preview/" + picture.name + ".jpg"};
    if (!picture.text.isEmpty())
        files << out.res_dir + "info/" + picture.name + ".txt";
    return files;
}

// Rendering is the slow part of a build, so a picture whose outputs are newer than its sources
// and the renderer is left alone.
bool up_to_date(const Output& out, const Picture& picture, const QDateTime& tool_time)
{
    QDateTime newest_source = std::max(tool_time, QFileInfo(picture.svg).lastModified());
    if (!picture.text.isEmpty())
        newest_source = std::max(newest_source, QFileInfo(picture.text).lastModified());
    for (const QString& file : outputs_of(out, picture))
        if (!QFileInfo::exists(file) || QFileInfo(file).lastModified() < newest_source)
            return false;
    return true;
}

void render_picture(const Output& out, const Picture& picture)
{
    const QByteArray svg = read_all(picture.svg);
    const QImage line = thresholded(render_svg(line_svg(svg), page_size, picture.name));
    check_line_drawing(picture.name, line, render_svg(svg, page_size, picture.name));
    out.bmp("clipart/" + picture.name + ".bmp", line);
    const QSize square = photo_frame.size().toSize();
    const QImage lit = lit_scene_of(svg, picture.name, square, photo_frame);
    const QSize photo_size(photo_side, photo_side);
    out.bmp("info/" + picture.name + ".bmp", photograph(picture.name, lit, photo_size));
    {
        const DensityScope dense(dense_photo);
        out.bmp("info/" + picture.name + ".bmp", photograph(picture.name, lit, photo_size * dense_photo));
    }
    out.jpeg(out.res_dir + "preview/" + picture.name + ".jpg",
             photograph(picture.name, lit, QSize(preview_side, preview_side)), 90);
    if (!picture.text.isEmpty())
        write_all(out.res_dir + "info/" + picture.name + ".txt",
                  description_1251(picture.name, read_all(picture.text), picture.rtf));
    else
        QTextStream(stderr) << "artgen: warning: " << picture.name << " has no description\n";
}

// A picture whose source was removed must leave the catalogue too.
void remove_stale(const Output& out, const QStringList& names)
{
    for (const char* sub : {"clipart", "info", "preview"})
        for (const QFileInfo& file : QDir(out.res_dir + sub).entryInfoList(QDir::Files))
            if (!names.contains(file.completeBaseName().remove(QRegularExpression("@[0-9]+x$"))))
                QFile::remove(file.filePath());
}

} // namespace

void render_catalogue(const Output& out, const CatalogueJob& job)
{
    const QList<Picture> pictures = pictures_in(job.source_dir);
    QStringList names;
    QStringList faults; // every faulty picture is named at once, so one build shows all there is to mend
    for (const Picture& picture : pictures) {
        names << picture.name;
        if (up_to_date(out, picture, job.tool_time))
            continue;
        try {
            render_picture(out, picture);
        } catch (const std::exception& error) {
            const QString what = QString::fromUtf8(error.what());
            faults << (what.startsWith(picture.name + ':') ? what : picture.name + ": " + what);
        }
    }
    if (!faults.isEmpty())
        throw std::runtime_error(faults.join("\n").toStdString());
    for (const char* sub : {"clipart", "info", "preview"})
        ensure_dir(out.res_dir + sub);
    remove_stale(out, names);
    write_contact_sheet(job.contact_sheet, names, out, job.sample_photographs);
}

} // namespace artgen
