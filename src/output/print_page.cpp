#include "output/print_page.h"

#include "platform/errors.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <algorithm>

namespace output {

namespace {

constexpr double screen_dpi = 96.0;

// The page's size on the device at 96 pixels per inch, shrunk uniformly to the printable area
// when it would not fit there.
QSizeF size_on_device(const QSize& page, const QPaintDevice& device)
{
    const QSizeF natural(page.width() * device.logicalDpiX() / screen_dpi,
                         page.height() * device.logicalDpiY() / screen_dpi);
    const double fit = std::min({1.0, device.width() / natural.width(), device.height() / natural.height()});
    return natural * fit;
}

} // namespace

QImage render_client_area(QWidget& window)
{
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void print_page(const QImage& page, QPagedPaintDevice& device, const QString& device_name)
{
    // The painter's origin is the printable area's own, with no margins of ours beyond it.
    const QPageLayout layout = device.pageLayout();
    device.setPageMargins(layout.minimumMargins(), layout.units());
    QPainter painter;
    if (!painter.begin(&device))
        throw platform::UserError(
            QCoreApplication::translate("output", "Не удалось начать печать: %1").arg(device_name));
    painter.drawImage(QRectF(QPointF(0, 0), size_on_device(page.size(), device)), page);
    if (!painter.end())
        throw platform::UserError(
            QCoreApplication::translate("output", "Не удалось завершить печать: %1").arg(device_name));
}

std::unique_ptr<QPrinter> default_printer()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw platform::UserError(QCoreApplication::translate("output", "Принтер не найден"));
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Qt starts every printer on A4, whatever paper it holds; the page goes on the printer's own.
    printer->setPageSize(info.defaultPageSize());
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setDocName(QGuiApplication::applicationDisplayName());
    if (!printer->isValid())
        throw platform::UserError(
            QCoreApplication::translate("output", "Принтер недоступен: %1").arg(info.printerName()));
    return printer;
}

} // namespace output
