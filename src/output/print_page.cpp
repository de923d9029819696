#include "output/print_page.h"

#include "platform/errors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace output {

namespace {

constexpr int screen_dpi = 96;

// A multiplication followed by a division, rounded to the nearest device pixel.
int scaled(int pixels, int dpi)
{
    return static_cast<int>((static_cast<long long>(pixels) * dpi * 2 + screen_dpi) / (2 * screen_dpi));
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
    QPainter painter;
    if (!painter.begin(&device))
        throw platform::UserError(QStringLiteral("Не удалось начать печать: %1").arg(device_name));
    const QRect target(0, 0, scaled(page.width(), device.logicalDpiX()),
                       scaled(page.height(), device.logicalDpiY()));
    painter.drawImage(target, page);
    if (!painter.end())
        throw platform::UserError(QStringLiteral("Не удалось завершить печать: %1").arg(device_name));
}

std::unique_ptr<QPrinter> default_printer()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw platform::UserError(QStringLiteral("Принтер не найден"));
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(QGuiApplication::applicationDisplayName());
    if (!printer->isValid())
        throw platform::UserError(QStringLiteral("Принтер недоступен: %1").arg(info.printerName()));
    return printer;
}

} // namespace output
