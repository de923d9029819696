#include "widgets/read_only_text_box.h"

#include <QWheelEvent>

namespace widgets {

ReadOnlyTextBox::ReadOnlyTextBox(QWidget* parent) : QTextBrowser(parent)
{
    setReadOnly(true);
    setOpenLinks(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void ReadOnlyTextBox::wheelEvent(QWheelEvent* event)
{
    // The text browser zooms a read-only text on Ctrl+wheel; the scroll area underneath only scrolls.
    QAbstractScrollArea::wheelEvent(event);
}

} // namespace widgets
