#pragma once

#include <QImage>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace output {

// The window's client area as it goes on paper: a white bitmap of the window's size with every
// visible child painted on it.
QImage render_client_area(QWidget& window);

// Draws the page bitmap at the origin of the device's printable area (the device's margins are
// set to its hardware minimum), at 96 pixels per inch when it fits there and otherwise shrunk
// uniformly until it does, and ends the job. Throws platform::UserError naming `device_name` when the
// job cannot be started or finished.
void print_page(const QImage& page, QPagedPaintDevice& device, const QString& device_name);

// The system's default printer, ready for a job without a dialog, on its default paper, portrait. Throws
// platform::UserError when there is none or it cannot be used.
std::unique_ptr<QPrinter> default_printer();

} // namespace output
