#include "core/fonts.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QWidget>

namespace core {

namespace {

// fonts-wine installs its Tahoma outside fontconfig's search path.
const QString wine_tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");

} // namespace

void register_layout_font()
{
    static const bool registered = [] {
        if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
            return true;
        return QFile::exists(wine_tahoma) && QFontDatabase::addApplicationFont(wine_tahoma) >= 0;
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
