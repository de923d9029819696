#include "places/place_name.h"

#include "places/place_error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace places {

namespace {

// A file name may take 255 bytes; a place's longest is its hidden temporary ".<name>.bmp.XXXXXX".
constexpr qsizetype longest_name_bytes = 255 - 12;

QString quoted(const QString& name)
{
    return QStringLiteral("«%1»").arg(name);
}

} // namespace

QString checked_place_name(const QString& given)
{
    const QString name = given.trimmed();
    if (name.isEmpty())
        throw PlaceError(QCoreApplication::translate("places", "Название места"),
                         QCoreApplication::translate("places", "оно пустое"));
    if (name.contains('/'))
        throw PlaceError(quoted(name), QCoreApplication::translate(
                                           "places", "в названии места не может быть косой черты «/»"));
    if (name.contains('.'))
        throw PlaceError(quoted(name),
                         QCoreApplication::translate("places", "в названии места не может быть точки"));
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            throw PlaceError(
                quoted(name),
                QCoreApplication::translate("places", "в названии места не может быть управляющих знаков"));
    const QByteArray encoded = QFile::encodeName(name);
    if (QFile::decodeName(encoded) != name)
        throw PlaceError(quoted(name), QCoreApplication::translate(
                                           "places", "файловая система не может сохранить такое название"));
    if (encoded.size() > longest_name_bytes)
        throw PlaceError(quoted(name), QCoreApplication::translate(
                                           "places", "название места слишком длинное для файловой системы"));
    return name;
}

bool place_exists(const QStringList& catalogue_dirs, const QString& name)
{
    for (const QString& dir : catalogue_dirs)
        if (QFileInfo::exists(dir + "preview/" + name + ".jpg"))
            return true;
    return false;
}

} // namespace places
