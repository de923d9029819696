#include "core/fonts.h"

#include <QFile>
#include <QFontDatabase>

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

} // namespace core
