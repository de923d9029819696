#include "formats/jpeg.h"
#include "support/main_window.h"

#include <QDir>
#include <QRegularExpression>
#include <functional>

using testing_support::MainWindow;

namespace {

// The translator's sources, read here as a person reads them, not through the program.
QString art_file(const QString& relative)
{
    QFile file(testing_support::test_data_dir() + "/../../art/" + relative);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString table_line(const QString& relative, const QString& place)
{
    for (const QString& line : art_file(relative).split('\n'))
        if (line.startsWith(place + " = "))
            return line.mid(place.size() + 3).trimmed();
    return {};
}

// The words of a description source, its rich-text markup taken away.
QString description_words(const QString& dir, const QString& place)
{
    QString text = art_file(dir + place + ".txt");
    if (text.isEmpty()) {
        text = art_file(dir + place + ".rtf");
        text.remove(QRegularExpression(R"(^.*\\fs20 )", QRegularExpression::DotMatchesEverythingOption));
        text.remove(QRegularExpression(R"(\\[a-z]+\d* ?|[{}])"));
    }
    return text.simplified();
}

// Scrolls the strip until `place` shows and opens it; returns its slot.
widgets::PictureControl* open_place(MainWindow& w, const QString& place)
{
    for (int press = 0; press < 40; ++press) {
        for (int slot = 0; slot < catalogue::PreviewStrip::slot_count; ++slot)
            if (w.picture_name(slot) == place) {
                w.open_picture(slot);
                return w.form().preview_strip().thumbnail(slot);
            }
        QTest::mouseClick(w.controls().strip_down_button, Qt::LeftButton);
    }
    return nullptr;
}

using Damage = std::function<void(testing_support::TestTree&)>;

// The start page shown: the one of the language folder `from`, or the Russian one.
void verify_start_page(MainWindow& w, const QString& from)
{
    const QString file =
        from.isEmpty() ? "res/interface/main.jpg" : "res/lang/" + from + "/interface/main.jpg";
    QCOMPARE(w.controls().page_background->picture().to_rgb32(),
             formats::read_jpeg(w.tree().path(file)).convertToFormat(QImage::Format_RGB32));
}

} // namespace

class TestContentLanguage : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void a_place_is_told_in_the_language_or_in_russian_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("place");
        QTest::addColumn<Damage>("damage");
        // Where each text is expected from: a language's folder of art/lang, or "" for Russian;
        // a caption "name" is the name the place is shown by.
        QTest::addColumn<QString>("name_from");
        QTest::addColumn<QString>("caption_from");
        QTest::addColumn<QString>("description_from");
        QTest::addColumn<QString>("title_from");

        const Damage none = [](testing_support::TestTree&) {};
        const Damage garbled = [](testing_support::TestTree& tree) {
            tree.write("res/lang/en/names.txt",
                       QByteArray("\xff\xfe") + QByteArray(1, '\0') + "\nмаяк = Light\x01house\n");
            tree.remove("res/lang/en/info/маяк.txt");
        };
        const Damage unreadable = [](testing_support::TestTree& tree) {
            tree.write("res/lang/uk/info/метро.txt", QByteArray(2 * 1024 * 1024, 'a'));
            tree.remove("res/lang/uk/captions.txt");
            QDir().mkpath(tree.path("res/lang/uk/captions.txt"));
        };
        // clang-format off
        QTest::newRow("English of Britain") << "en_GB" << "маяк" << none << "en" << "en" << "en" << "en";
        QTest::newRow("Ukrainian, rich text") << "uk" << "метро" << none << "uk" << "uk" << "uk" << "";
        QTest::newRow("Russian") << "ru" << "маяк" << none << "" << "" << "" << "";
        QTest::newRow("garbled names") << "en" << "маяк" << garbled << "" << "en" << "" << "en";
        QTest::newRow("unreadable texts") << "uk" << "метро" << unreadable << "uk" << "name" << "" << "";
        // clang-format on
    }

    void a_place_is_told_in_the_language_or_in_russian()
    {
        QFETCH(QString, locale);
        QFETCH(QString, place);
        QFETCH(Damage, damage);
        QFETCH(QString, name_from);
        QFETCH(QString, caption_from);
        QFETCH(QString, description_from);
        QFETCH(QString, title_from);
        QLocale::setDefault(QLocale(locale));
        MainWindow w;
        damage(w.tree());
        auto& c = w.controls();
        verify_start_page(w, title_from);
        const pixels::Bitmap russian_tab = c.photo_tab->picture();

        const widgets::PictureControl* thumbnail = open_place(w, place);
        QVERIFY(thumbnail);
        QVERIFY(w.errors().isEmpty());
        const QString name =
            name_from.isEmpty() ? place : table_line("lang/" + name_from + "/names.txt", place);
        QCOMPARE(thumbnail->accessibleName(), name);
        const QString caption = caption_from.isEmpty() ? place
                                : caption_from == "name"
                                    ? name
                                    : table_line("lang/" + caption_from + "/captions.txt", place);
        QCOMPARE(c.photograph->accessibleName(), caption);
        const QString source_dir =
            description_from.isEmpty() ? "catalogue/" : "lang/" + description_from + "/descriptions/";
        QCOMPARE(c.description_box->toPlainText().simplified(), description_words(source_dir, place));
        if (locale == "ru")
            QVERIFY(c.photo_tab->picture() == russian_tab);
        else
            QVERIFY(c.photo_tab->picture() == w.bmp("lang/" + locale.left(2) + "/design/photo_tab.bmp"));
        QTest::mouseClick(c.home_button, Qt::LeftButton);
        verify_start_page(w, title_from);
    }

    // A place of the user's own folder has no translation: its own Russian texts show.
    void an_own_place_is_told_in_russian()
    {
        QLocale::setDefault(QLocale(QLocale::English));
        MainWindow w;
        const QString own = w.tree().path("own/");
        for (const char* file : {"preview/маяк.jpg", "clipart/маяк.bmp", "info/маяк.bmp", "info/маяк.txt"}) {
            QDir().mkpath(QFileInfo(own + file).path());
            QVERIFY(QFile::copy(w.tree().path(QString("res/") + file),
                                own + QString::fromUtf8(file).replace("маяк", "мой маяк")));
        }
        w.state().paths.catalogue_dirs.prepend(own);
        w.form().preview_strip().list_catalogue();
        w.form().preview_strip().first_fill();
        const widgets::PictureControl* thumbnail = open_place(w, "мой маяк");
        QVERIFY(thumbnail);
        QCOMPARE(thumbnail->accessibleName(), QString("мой маяк"));
        QCOMPARE(w.controls().photograph->accessibleName(), QString("мой маяк"));
        QCOMPARE(w.controls().description_box->toPlainText().simplified(),
                 description_words("catalogue/", "маяк"));
    }
};

QTEST_MAIN(TestContentLanguage)
#include "test_content_language.moc"
