#pragma once

#include <QTextBrowser>

namespace widgets {

// A text a child reads and nothing more: no context menu (Copy, Select All) and no Ctrl+wheel
// zoom; the wheel still scrolls a long text.
class ReadOnlyTextBox : public QTextBrowser {
    Q_OBJECT

public:
    explicit ReadOnlyTextBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace widgets
