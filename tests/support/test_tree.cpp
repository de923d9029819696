#include "support/test_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <stdexcept>

namespace testing_support {

namespace {

void copy_tree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + '/' + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(source, target))
            throw std::runtime_error(("cannot copy " + source).toStdString());
    }
}

} // namespace

QString generated_res_dir() { return qEnvironmentVariable("KOLORITON_RES_DIR"); }
QString test_data_dir() { return qEnvironmentVariable("KOLORITON_TEST_DATA"); }

TestTree::TestTree()
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    copy_tree(generated_res_dir(), dir_.path() + "/res");
    QDir(dir_.path()).mkpath("Tmp");
    QDir(dir_.path()).mkpath("save");
}

QString TestTree::app_dir() const { return dir_.path() + '/'; }

void TestTree::remove(const QString& relative) const { QFile::remove(path(relative)); }

void TestTree::write(const QString& relative, const QByteArray& bytes) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + path(relative)).toStdString());
}

} // namespace testing_support
