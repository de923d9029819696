#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A temporary application folder for one test: a copy of the generated resource tree with
// empty Tmp/ and save/ beside it, so tests may change files freely.
class TestTree {
public:
    TestTree();
    // The application folder, ending in '/'.
    QString app_dir() const;
    QString path(const QString& relative) const { return app_dir() + relative; }
    // Removes a file of the tree (a test of a missing resource).
    void remove(const QString& relative) const;
    // Overwrites a file of the tree with bytes (a test of a corrupt resource).
    void write(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// The generated resource tree of the build.
QString generated_res_dir();
// tests/data in the source tree.
QString test_data_dir();

} // namespace testing_support
