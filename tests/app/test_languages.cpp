#include "app/main_window.h"
#include "app/qt_translations.h"
#include "catalogue/preview_strip.h"
#include "output/output_windows.h"
#include "output/print_window.h"
#include "settings/settings_window.h"
#include "support/captured_errors.h"
#include "support/modal_window.h"
#include "support/private_x_server.h"
#include "support/test_tree.h"
#include "widgets/picture_control.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The Russian source texts of a translation file that its language writes otherwise.
QSet<QString> translated_sources(const QString& code)
{
    QFile file(QStringLiteral(KOLORITON_SOURCE_DIR "/translations/koloriton_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QSet<QString> sources;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation") &&
                 xml.readElementText() != source)
            sources.insert(source);
    }
    return sources;
}

// Every text a window shows, checked as it is seen: no Russian word, and a label's or button's
// text within its rectangle.
class ShownTexts {
public:
    explicit ShownTexts(const QString& code) : code_(code), russian_(translated_sources(code)) {}

    void see(const QString& where, const QString& shown)
    {
        QString text = shown;
        text.remove('&');
        if (text.isEmpty())
            return;
        ++seen_;
        static const QRegularExpression cyrillic(QStringLiteral("[А-Яа-яЁёІіЇїЄєҐґ]"));
        static const QRegularExpression only_russian(QStringLiteral("[ЫыЭэЪъЁё]"));
        const bool russian =
            code_ == "en" ? text.contains(cyrillic) : text.contains(only_russian) || russian_.contains(text);
        if (russian)
            problems_ << where + ": Russian \"" + text + '"';
    }
    // The catalogue's own words (its places' names) are the catalogue's translation, not the program's.
    void leave_out_catalogue(const QWidget* thumbnail) { catalogue_.insert(thumbnail); }
    void see_widgets(const QString& where, QWidget* window)
    {
        see(where + " title", window->windowTitle());
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || catalogue_.contains(widget))
                continue;
            const QString name = where + '/' + widget->objectName();
            if (auto* picture = qobject_cast<widgets::PictureControl*>(widget))
                see(name + " hint", picture->hint());
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                see(name, label->text());
                const int room = label->contentsRect().width() - 2 * label->margin();
                if (!label->wordWrap() && width_of(label, label->text()) > room)
                    problems_ << name + ": cut \"" + label->text() + '"';
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                see(name, button->text());
                const bool fits = qobject_cast<QCheckBox*>(button)
                                      ? button->width() >= button->sizeHint().width()
                                      : width_of(button, button->text()) <= button->contentsRect().width();
                if (!fits)
                    problems_ << name + ": cut \"" + button->text() + '"';
            }
        }
    }
    int seen() const { return seen_; }
    QStringList problems() const { return problems_; }

private:
    static int width_of(const QWidget* widget, QString text)
    {
        return widget->fontMetrics().horizontalAdvance(text.remove('&'));
    }

    QString code_;
    QSet<QString> russian_;
    QStringList problems_;
    QSet<const QWidget*> catalogue_;
    int seen_ = 0;
};

void speak(const QString& code)
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    qputenv("LANGUAGE", code.toUtf8());
    QCOMPARE(app::use_interface_language(*qApp, QString(),
                                         qEnvironmentVariable("KOLORITON_RES_DIR") + "/../translations"),
             code);
}

// Runs `look` on the next modal window, then closes it as a child's "Отмена" would.
void when_modal(const std::function<void(QWidget*)>& look)
{
    testing_support::when_modal_shown([look](QWidget* modal) {
        look(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Cancel)->click();
        else
            qobject_cast<QDialog*>(modal)->reject();
    });
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void a_child_sees_no_russian_word_and_no_text_is_cut_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << "en";
        QTest::newRow("Ukrainian") << "uk";
    }
    void a_child_sees_no_russian_word_and_no_text_is_cut()
    {
        QFETCH(QString, code);
        speak(code);
        ShownTexts texts(code);
        testing_support::CapturedErrors errors;
        testing_support::TestTree tree;
        app::MainWindow form(tree.app_dir());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(QTest::qWaitFor([&] { return form.preview_strip().settled(); }));
        for (int slot = 0; slot < catalogue::PreviewStrip::slot_count; ++slot)
            texts.leave_out_catalogue(form.preview_strip().thumbnail(slot));
        texts.see_widgets("main window", &form);
        for (const QAction* action : form.menuBar()->actions())
            texts.see("menu/" + action->objectName(), action->text());

        bool asked = false;
        QTest::mouseClick(form.preview_strip().thumbnail(0), Qt::LeftButton);
        QTest::mouseClick(form.controls().canvas, Qt::LeftButton, {}, {3, 3});
        when_modal([&](QWidget* box) {
            asked = true;
            texts.see("save question", qobject_cast<QMessageBox*>(box)->text());
            texts.see_widgets("save question", box);
        });
        QTest::mouseClick(form.preview_strip().thumbnail(1), Qt::LeftButton);
        QVERIFY(asked);

        bool printed = false;
        when_modal([&](QWidget* window) {
            printed = window == &form.output_windows().print_window();
            texts.see_widgets("print window", window);
        });
        QTest::mouseClick(form.controls().print_button, Qt::LeftButton);
        QVERIFY(printed);

        QTemporaryDir config;
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(config.filePath("system")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.filePath("home")));
        QDir().mkpath(config.filePath("system/koloriton"));
        QFile system(config.filePath("system/koloriton/koloriton.conf"));
        QVERIFY(system.open(QIODevice::WriteOnly));
        // A locked key and a problem of the file bring their words too.
        system.write("[locked]\nkeys=allow/printing\n[window]\nlanguage=english\n");
        system.close();
        settings::SettingsWindow window(settings::SettingsFiles::from_environment());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        texts.see_widgets("settings window", &window);

        QVERIFY2(texts.seen() > 60, qPrintable(QString::number(texts.seen())));
        QVERIFY2(texts.problems().isEmpty(), qPrintable(texts.problems().join('\n')));
    }
};

KOLORITON_X_TEST_MAIN(TestLanguages, testing_support::XDesktop{})
#include "test_languages.moc"
