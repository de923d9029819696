#include "core/fonts.h"

#include "core/layout_font_files.h"

#include <QFile>
#include <QFontDatabase>

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

} // namespace core
