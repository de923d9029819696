#include "core/fonts.h"

#include "core/layout_font_files.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QWidget>

namespace core {

void register_layout_font()
{
    static const bool registered = [] {
        if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
            return true;
        const QString file = QString::fromLatin1(layout_font_file);
        return QFile::exists(file) && QFontDatabase::addApplicationFont(file) >= 0;
    }();
    Q_UNUSED(registered);
}

QFont layout_font()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    return font;
}

void keep_fonts_of_all_widgets()
{
    for (QWidget* widget : QApplication::allWidgets()) {
        QFont own = widget->font();
        own.setResolveMask(QFont::AllPropertiesResolved);
        widget->setFont(own);
    }
}

} // namespace core
