#include "artgen.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace artgen {

void copy_skins(const QString& art_dir, const Output& out)
{
    const QString from = art_dir + "/skins";
    const QString to = out.res_dir + "skins";
    ensure_dir(to);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + '/' + QDir(from).relativeFilePath(source);
        ensure_dir(QFileInfo(target).absolutePath());
        QFile::remove(target);
        if (!QFile::copy(source, target))
            throw std::runtime_error(("cannot copy " + source + " to " + target).toStdString());
    }
}

} // namespace artgen
