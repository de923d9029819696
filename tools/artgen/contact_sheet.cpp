#include "catalogue.h"

#include "formats/bmp_codec.h"
#include "places/place_maker.h"

#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <stdexcept>

namespace artgen {

namespace {

constexpr int cell_width = 420;
constexpr int cell_height = 240;
constexpr int columns = 3;

// One cell: a line drawing beside its photograph, with the name below.
void draw_cell(QPainter& p, int index, const QImage& line, const QImage& photo, const QString& name)
{
    const QPoint cell((index % columns) * cell_width, (index / columns) * cell_height);
    p.drawImage(QRect(cell + QPoint(10, 10), QSize(160, 200)), line);
    // A place's photograph is the page's part of it: shown whole, as tall as the drawing.
    const QSize shown = photo.size().scaled(200, 200, Qt::KeepAspectRatio);
    p.drawImage(QRect(cell + QPoint(190 + (200 - shown.width()) / 2, 10), shown), photo);
    p.setPen(Qt::black);
    p.drawText(QRect(cell + QPoint(10, 212), QSize(cell_width - 20, 22)), Qt::AlignCenter, name);
}

} // namespace

void write_contact_sheet(const QString& path, const QStringList& names, const Output& out,
                         const QStringList& sample_photographs)
{
    QStringList samples;
    for (const QString& photograph : sample_photographs)
        if (QFileInfo::exists(photograph))
            samples << photograph;
    const qsizetype cells = names.size() + samples.size();
    const int rows = std::max<qsizetype>(1, (cells + columns - 1) / columns);
    QImage sheet(columns * cell_width, rows * cell_height, QImage::Format_RGB32);
    sheet.fill(QColor(250, 244, 232));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    p.setFont(font);
    for (int i = 0; i < names.size(); ++i)
        draw_cell(p, i, formats::read_bmp(out.res_dir + "clipart/" + names[i] + ".bmp").to_rgb32(),
                  formats::read_bmp(out.res_dir + "info/" + names[i] + ".bmp").to_rgb32(), names[i]);
    for (int i = 0; i < samples.size(); ++i) {
        const places::PlacePictures pictures = places::place_pictures(samples[i]);
        draw_cell(p, int(names.size()) + i, pictures.line_drawing, pictures.panel,
                  QFileInfo(samples[i]).completeBaseName());
    }
    p.end();
    if (!sheet.save(path, "PNG"))
        throw std::runtime_error(("cannot write " + path).toStdString());
}

} // namespace artgen
