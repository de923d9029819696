#include "catalogue.h"

#include "platform/bmp_codec.h"

#include <QFont>
#include <QPainter>
#include <stdexcept>

namespace artgen {

namespace {

constexpr int cell_width = 420;
constexpr int cell_height = 240;
constexpr int columns = 3;

} // namespace

void write_contact_sheet(const QString& path, const QStringList& names, const Output& out)
{
    const int rows = std::max<qsizetype>(1, (names.size() + columns - 1) / columns);
    QImage sheet(columns * cell_width, rows * cell_height, QImage::Format_RGB32);
    sheet.fill(QColor(250, 244, 232));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    p.setFont(font);
    for (int i = 0; i < names.size(); ++i) {
        const QPoint cell((i % columns) * cell_width, (i / columns) * cell_height);
        const QImage line = platform::read_bmp(out.res_dir + "clipart/" + names[i] + ".bmp").to_rgb32();
        const QImage photo = platform::read_bmp(out.res_dir + "info/" + names[i] + ".bmp").to_rgb32();
        p.drawImage(QRect(cell + QPoint(10, 10), QSize(160, 200)), line);
        p.drawImage(QRect(cell + QPoint(190, 10), QSize(200, 200)), photo);
        p.setPen(Qt::black);
        p.drawText(QRect(cell + QPoint(10, 212), QSize(cell_width - 20, 22)), Qt::AlignCenter, names[i]);
    }
    p.end();
    if (!sheet.save(path, "PNG"))
        throw std::runtime_error(("cannot write " + path).toStdString());
}

} // namespace artgen
