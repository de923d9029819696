#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString source_dir = QStringLiteral(KOLORITON_SOURCE_DIR);

// Cyrillic string literals that stay Russian in every language, with why.
const QStringList russian_by_design = {
    // The jars' letters name the bank pictures of the resource tree.
    "src/colours/jar_table.h:к", "src/colours/jar_table.h:о", "src/colours/jar_table.h:ж",
    "src/colours/jar_table.h:з", "src/colours/jar_table.h:г", "src/colours/jar_table.h:с",
    "src/colours/jar_table.h:ф", "src/colours/jar_table.h:ч",
    // The folder of a user's drawings keeps its name, so a change of language loses none of them.
    "src/core/resource_paths.cpp:/Колоритон/",
    // The name the system knows the program by; the name shown is translated.
    "src/main.cpp:Колоритон"};

bool is_translation_call(const QString& name)
{
    return name == "tr" || name == "translate" || name == "QT_TRANSLATE_NOOP" || name == "QT_TR_NOOP";
}

// The identifier before the innermost parenthesis still open at `at` in `code`, whose comments
// and literals' contents are blanked.
QString enclosing_call(const QString& code, qsizetype at)
{
    int depth = 0;
    for (qsizetype i = at - 1; i >= 0; --i) {
        if (code[i] == ')')
            ++depth;
        else if (code[i] == '(' && depth-- == 0) {
            qsizetype end = i;
            while (end > 0 && code[end - 1].isSpace())
                --end;
            qsizetype start = end;
            while (start > 0 && (code[start - 1].isLetterOrNumber() || code[start - 1] == '_'))
                --start;
            return code.mid(start, end - start);
        }
    }
    return {};
}

// Every Cyrillic string literal of `text` outside a translation call, as "<file>:<literal>".
QStringList untranslated_literals(const QString& file, const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[А-Яа-яЁё]"));
    QString code = text;
    QList<std::pair<qsizetype, QString>> literals;
    for (qsizetype i = 0; i < code.size(); ++i) {
        if (code.mid(i, 2) == "//" || code.mid(i, 2) == "/*") {
            const qsizetype end = code[i + 1] == '/' ? code.indexOf('\n', i) : code.indexOf("*/", i) + 2;
            for (qsizetype j = i; j < (end < i ? code.size() : end); ++j)
                code[j] = ' ';
        } else if (code[i] == '"' || code[i] == '\'') {
            qsizetype j = i + 1;
            while (j < code.size() && code[j] != code[i])
                j += code[j] == '\\' ? 2 : 1;
            if (code[i] == '"')
                literals.append({i, text.mid(i + 1, j - i - 1)});
            for (qsizetype k = i + 1; k < j && k < code.size(); ++k)
                code[k] = ' ';
            i = j;
        }
    }
    QStringList found;
    for (const auto& [at, literal] : literals) {
        const bool resource_name = literal.endsWith(".bmp") || literal.endsWith(".cur");
        if (literal.contains(cyrillic) && !resource_name && !is_translation_call(enclosing_call(code, at)))
            found << file + ':' + literal;
    }
    return found;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return QStringLiteral("failed: ") + process.readAll();
    return QString::fromUtf8(process.readAll());
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    // Each shipped translation, brought up to date with the sources, has every text translated.
    void every_text_of_each_language_is_translated()
    {
        const QStringList files = QDir(source_dir + "/translations").entryList({"koloriton_*.ts"});
        QVERIFY(files.contains("koloriton_en.ts") && files.contains("koloriton_uk.ts"));
        for (const QString& name : files) {
            QTemporaryDir dir;
            const QString copy = dir.filePath(name);
            QVERIFY(QFile::copy(source_dir + "/translations/" + name, copy));
            const QString updated =
                run(QStringLiteral(KOLORITON_LUPDATE),
                    {"-silent", "-no-obsolete", "-locations", "none", source_dir + "/src", "-ts", copy});
            QVERIFY2(!updated.startsWith("failed"), qPrintable(updated));
            const QString report =
                run(QStringLiteral(KOLORITON_LRELEASE), {copy, "-qm", dir.filePath("out.qm")});
            const QRegularExpressionMatch counts =
                QRegularExpression(
                    R"(Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\))")
                    .match(report);
            QVERIFY2(counts.hasMatch(), qPrintable(report));
            QVERIFY2(counts.captured(1).toInt() > 200, qPrintable(name + ": " + report));
            QVERIFY2(counts.captured(3) == "0" && !report.contains("untranslated"),
                     qPrintable(name + ": " + report));
        }
    }

    // A Russian text the user sees goes through the translation; names of resources stay.
    void no_russian_literal_bypasses_the_translation()
    {
        QStringList found;
        QDirIterator sources(source_dir + "/src", {"*.cpp", "*.h"}, QDir::Files,
                             QDirIterator::Subdirectories);
        while (sources.hasNext()) {
            QFile file(sources.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString relative = QDir(source_dir).relativeFilePath(file.fileName());
            for (const QString& literal : untranslated_literals(relative, QString::fromUtf8(file.readAll())))
                if (!russian_by_design.contains(literal))
                    found << literal;
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
