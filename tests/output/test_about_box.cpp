#include "app/main_window.h"
#include "output/about_box.h"
#include "support/test_tree.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>

using output::AboutBox;
using formats::VersionInfo;

namespace {

const QStringList all_rows = {QStringLiteral("ProductName"),     QStringLiteral("FileVersion"),
                              QStringLiteral("LegalCopyright"),  QStringLiteral("CompanyName"),
                              QStringLiteral("FileDescription"), QStringLiteral("InternalName")};

QLabel* row(const AboutBox& box, const QString& entry)
{
    return box.findChild<QLabel*>(entry, Qt::FindDirectChildrenOnly);
}

// The rows present, top to bottom.
QStringList rows_shown(const AboutBox& box)
{
    QList<QLabel*> labels;
    for (const QString& entry : all_rows)
        if (QLabel* label = row(box, entry))
            labels.append(label);
    std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
    QStringList names;
    for (const QLabel* label : labels)
        names.append(label->objectName());
    return names;
}

int bottom(const QWidget* widget)
{
    return widget->y() + widget->height();
}

// The geometry rules every box keeps, whatever rows it has.
void check_frame_rules(const AboutBox& box)
{
    const QWidget* icon = box.findChild<QWidget*>(QStringLiteral("Icon"));
    QVERIFY(icon);
    QCOMPARE(icon->geometry(), QRect(10, 10, 32, 32));
    const QWidget* last = icon;
    int widest = 10;
    for (const QString& entry : rows_shown(box)) {
        const QLabel* label = row(box, entry);
        QCOMPARE(label->x(), 52);
        const int expected_top = entry == QLatin1String("ProductName") ? 10 : bottom(last) + 5;
        QCOMPARE(label->y(), expected_top);
        widest = std::max(widest, label->x() + label->width() + 20);
        last = label;
    }
    QCOMPARE(box.outer_size().height(), bottom(last) + 85);
    QCOMPARE(box.outer_size().width(), std::max(widest, 112));
    QCOMPARE(box.size(), box.outer_size() - output::dialog_frame);

    const auto* ok = box.findChild<QAbstractButton*>(QStringLiteral("Ok"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("Ok"));
    QCOMPARE(ok->size(), QSize(75, 25));
    QCOMPARE(ok->x(), int(box.outer_size().width() / 2.0 - 37.5));
    QCOMPARE(ok->y(), box.outer_size().height() - 60);
    QCOMPARE(ok->cursor().shape(), Qt::PointingHandCursor);
    const QWidget* bevel = box.findChild<QWidget*>(QStringLiteral("Bevel"));
    QVERIFY(bevel);
    QCOMPARE(bevel->geometry(), QRect(0, box.height() - 45, box.width(), 45));
    // The button stands inside the client area, in the band under the bevel's line.
    QVERIFY(ok->y() > bevel->y());
    QVERIFY(bottom(ok) <= box.height());
    QVERIFY(ok->x() >= 0 && ok->x() + ok->width() <= box.width());
}

// The desktop entry's icon drawn straight from its SVG.
QImage icon_from_svg(int size)
{
    QSvgRenderer renderer(testing_support::test_data_dir() + "/../../packaging/koloriton.svg");
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!renderer.isValid())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

// Same size, and no channel of any pixel differs by more than a rounding step or two.
bool same_picture(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return false;
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 3 || std::abs(qGreen(p) - qGreen(q)) > 3 ||
                std::abs(qBlue(p) - qBlue(q)) > 3 || std::abs(qAlpha(p) - qAlpha(q)) > 3)
                return false;
        }
    return true;
}

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QApplication::setApplicationName(QStringLiteral("Колоритон"));
    }
    void the_programs_own_block_shows_six_rows();
    void the_rows_have_their_fonts();
    void a_longer_row_widens_the_box();
    void missing_and_empty_entries_leave_their_rows_out();
    void without_rows_the_box_holds_the_icon_and_the_button();
    void an_empty_version_block_shows_nothing();
    void the_menu_shows_the_box_modally_and_ok_destroys_it();
    void the_box_and_every_window_show_the_programs_icon();
};

void AboutBoxTest::the_programs_own_block_shows_six_rows()
{
    const auto box = AboutBox::build(VersionInfo::of_executable());
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("О программе: Колоритон"));
    QCOMPARE(rows_shown(*box), all_rows);
    QCOMPARE(row(*box, "ProductName")->text(), QStringLiteral("Колоритон"));
    QCOMPARE(row(*box, "FileVersion")->text(), QStringLiteral("Версия: 3.3.14.0"));
    QCOMPARE(row(*box, "FileDescription")->text(),
             QStringLiteral("Аппаратные требования: разрешение не менее 1024х768, мышь"));
    QVERIFY(row(*box, "CompanyName")->text().startsWith(QStringLiteral("Авторы: ")));
    QVERIFY(row(*box, "InternalName")->text().startsWith(QStringLiteral("Контакты: ")));
    QVERIFY(row(*box, "InternalName")->text().contains(QLatin1Char('@')));
    const QLabel* commission = row(*box, "LegalCopyright");
    QCOMPARE(commission->size(), QSize(400, 70));
    QVERIFY(commission->wordWrap());
    QVERIFY(box->outer_size().width() >= 472);
    check_frame_rules(*box);
}

void AboutBoxTest::the_rows_have_their_fonts()
{
    const auto box = AboutBox::build(VersionInfo::of_executable());
    const QLabel* product = row(*box, "ProductName");
    QVERIFY(product->font().bold());
    QCOMPARE(product->font().pointSize(), 10);
    QCOMPARE(product->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(row(*box, "LegalCopyright")->font().pointSize(), 10);
    QVERIFY(!row(*box, "LegalCopyright")->font().bold());
    QCOMPARE(row(*box, "CompanyName")->font().pointSize(), 9);
    for (const char* entry : {"FileVersion", "FileDescription", "InternalName"}) {
        QCOMPARE(row(*box, entry)->font().pointSize(), 8);
        QVERIFY(!row(*box, entry)->font().bold());
    }
    // A row that fits its text shows all of it on one line.
    const QLabel* requirements = row(*box, "FileDescription");
    QCOMPARE(requirements->width(),
             QFontMetrics(requirements->font()).horizontalAdvance(requirements->text()));
    QCOMPARE(requirements->height(), QFontMetrics(requirements->font()).height());
}

void AboutBoxTest::a_longer_row_widens_the_box()
{
    const QString long_names(120, QChar(0x0416));
    const auto box = AboutBox::build(VersionInfo::with_strings({
        {QStringLiteral("ProductName"), QStringLiteral("Колоритон")},
        {QStringLiteral("LegalCopyright"), QStringLiteral("Сделано к празднику.")},
        {QStringLiteral("CompanyName"), long_names},
    }));
    QVERIFY(box);
    const QLabel* authors = row(*box, "CompanyName");
    QVERIFY(authors->width() > 400);
    QCOMPARE(box->outer_size().width(), 52 + authors->width() + 20);
    check_frame_rules(*box);
}

void AboutBoxTest::missing_and_empty_entries_leave_their_rows_out()
{
    const auto box = AboutBox::build(VersionInfo::with_strings({
        {QStringLiteral("ProductName"), QStringLiteral("Колоритон")},
        {QStringLiteral("FileVersion"), QString()},
        {QStringLiteral("CompanyName"), QStringLiteral("Я")},
        {QStringLiteral("InternalName"), QStringLiteral("a@b")},
    }));
    QVERIFY(box);
    QCOMPARE(rows_shown(*box), (QStringList{QStringLiteral("ProductName"), QStringLiteral("CompanyName"),
                                            QStringLiteral("InternalName")}));
    // A single character is a value.
    QCOMPARE(row(*box, "CompanyName")->text(), QStringLiteral("Авторы: Я"));
    check_frame_rules(*box);
    // Without the commission's 400-pixel box the window is only as wide as its rows.
    QVERIFY(box->outer_size().width() < 472);
}

void AboutBoxTest::without_rows_the_box_holds_the_icon_and_the_button()
{
    const auto box =
        AboutBox::build(VersionInfo::with_strings({{QStringLiteral("Comments"), QStringLiteral("x")}}));
    QVERIFY(box);
    QVERIFY(rows_shown(*box).isEmpty());
    // The window system's smallest captioned window still holds the button.
    QCOMPARE(box->outer_size(), QSize(112, 42 + 85));
    check_frame_rules(*box);
}

void AboutBoxTest::an_empty_version_block_shows_nothing()
{
    QVERIFY(!AboutBox::build(VersionInfo::empty()));
    // A block without the program's table answers no row queries.
    const auto box = AboutBox::build(
        VersionInfo::with_strings({{QStringLiteral("ProductName"), QStringLiteral("X")}}, 0x04B00409));
    QVERIFY(box);
    QCOMPARE(rows_shown(*box), QStringList{QStringLiteral("ProductName")});
}

void AboutBoxTest::the_menu_shows_the_box_modally_and_ok_destroys_it()
{
    testing_support::TestTree tree;
    app::MainWindow form(tree.app_dir());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QPointer<QWidget> shown;
    bool was_about_box = false;
    QTimer::singleShot(0, &form, [&] {
        shown = QApplication::activeModalWidget();
        if (!shown)
            return;
        was_about_box = qobject_cast<AboutBox*>(shown.data()) && shown->parentWidget() == &form;
        if (auto* ok = shown->findChild<QAbstractButton*>(QStringLiteral("Ok")))
            QTest::mouseClick(ok, Qt::LeftButton);
        if (shown && shown->isVisible())
            shown->close();
    });
    form.controls().about_action->trigger();
    QVERIFY(was_about_box);
    QVERIFY(shown.isNull());
    QVERIFY(!QApplication::activeModalWidget());
}

void AboutBoxTest::the_box_and_every_window_show_the_programs_icon()
{
    const QImage expected = icon_from_svg(32);
    QVERIFY(expected.pixel(16, 16) != 0);
    const auto box = AboutBox::build(VersionInfo::of_executable());
    const auto* icon = box->findChild<QLabel*>(QStringLiteral("Icon"));
    QVERIFY(same_picture(icon->pixmap().toImage(), expected));

    testing_support::TestTree tree;
    app::MainWindow form(tree.app_dir());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(windows.size() >= 3);
    for (const QWidget* window : windows)
        QVERIFY2(same_picture(window->windowIcon().pixmap(32, 32).toImage(), expected),
                 qPrintable(window->objectName()));
    // The window manager may ask for any of the theme's sizes.
    QVERIFY(same_picture(form.windowIcon().pixmap(256, 256).toImage(), icon_from_svg(256)));
}

QTEST_MAIN(AboutBoxTest)
#include "test_about_box.moc"
