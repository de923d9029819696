#include "output/print_window.h"

#include "output/print_page.h"
#include "output/screen_fit.h"
#include "platform/error_guard.h"
#include "skin/skin_manager.h"

#include <QDate>
#include <QLocale>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>

namespace output {

namespace {

QFont tahoma_pixels(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* make_label(const QString& text, const char* name, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(tahoma_pixels(16, true));
    label->setGeometry(geometry);
    return label;
}

QLineEdit* make_edit(const char* name, const QRect& geometry, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFont(tahoma_pixels(16));
    edit->setGeometry(geometry);
    return edit;
}

// The plain look for the page; the skin comes back whether printing succeeds or fails.
class PlainLook {
public:
    explicit PlainLook(skin::SkinManager* manager) : manager_(manager)
    {
        if (manager_ != nullptr)
            manager_->set_active(false);
    }
    ~PlainLook()
    {
        if (manager_ != nullptr)
            manager_->set_active(true);
    }
    PlainLook(const PlainLook&) = delete;
    PlainLook& operator=(const PlainLook&) = delete;

private:
    skin::SkinManager* manager_;
};

QString printer_name(const QPrinter& printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

} // namespace

PrintWindow::PrintWindow(QWidget* parent) : QDialog(parent), printer_source_(default_printer)
{
    setObjectName(QStringLiteral("print_window"));
    setWindowTitle(tr("Печать работы"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(client_size);
    page = new QWidget;
    page->setObjectName(QStringLiteral("print_page"));
    page->setFixedSize(client_size);
    page->setFont(tahoma_pixels(11));
    QPalette white = page->palette();
    white.setColor(QPalette::Window, Qt::white);
    page->setPalette(white);
    page->setAutoFillBackground(true);
    create_controls();
    scroll_area_ = scrolled_contents(*this, page);
    screen_fit_ = new ScreenFit(*this, *scroll_area_);
}

void PrintWindow::create_controls()
{
    drawing_view = new widgets::PictureControl(page);
    drawing_view->setObjectName(QStringLiteral("drawing_view"));
    drawing_view->setGeometry(8, 40, 775, 649);
    drawing_view->set_stretch(true);
    drawing_view->set_proportional(true);
    drawing_view->set_centre(true);
    drawing_view->setEnabled(false);
    drawing_view->set_fades_when_disabled(false);

    title_label = make_label(tr("Наименование работы"), "title_label", {75, 727, 191, 19}, page);
    author_label = make_label(tr("Автор"), "author_label", {75, 760, 51, 19}, page);
    date_label = make_label(tr("Дата"), "date_label", {75, 790, 41, 19}, page);
    title_edit = make_edit("title_edit", {280, 727, 503, 27}, page);
    author_edit = make_edit("author_edit", {280, 760, 503, 27}, page);
    date_edit = make_edit("date_edit", {280, 793, 121, 25}, page);
    date_edit->setReadOnly(true);
    date_edit->setFrame(false);

    print_button = new QPushButton(tr("Распечатать"), page);
    print_button->setObjectName(QStringLiteral("print_button"));
    print_button->setGeometry(700, 797, 83, 25);
    print_button->setAutoDefault(false);
    connect(print_button, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { print_drawing(); }); });

    setTabOrder(title_edit, author_edit);
    setTabOrder(author_edit, date_edit);
    setTabOrder(date_edit, print_button);
}

void PrintWindow::prepare(const pixels::Bitmap& drawing)
{
    date_edit->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    for (QWidget* row : {static_cast<QWidget*>(title_label), static_cast<QWidget*>(title_edit),
                         static_cast<QWidget*>(author_label), static_cast<QWidget*>(author_edit)})
        row->show();
    title_edit->setFrame(true);
    author_edit->setFrame(true);
    drawing_view->set_picture(drawing);
    print_button->show();
    // The window opens as it did the first time: no field remembered as focused from the last
    // showing, where the dialog would give it the focus as if tabbed to, its text selected.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    for (QLineEdit* edit : {title_edit, author_edit, date_edit})
        edit->deselect();
}

void PrintWindow::place_on_screen()
{
    screen_fit_->place();
}

void PrintWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    show_fields();
}

void PrintWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    show_fields();
}

void PrintWindow::show_fields()
{
    QScrollBar* vertical = scroll_area_->verticalScrollBar();
    vertical->setValue(vertical->maximum());
    scroll_area_->ensureWidgetVisible(print_button, 0, 0);
}

void PrintWindow::tidy_for_paper()
{
    print_button->hide();
    title_edit->setFrame(false);
    author_edit->setFrame(false);
    if (title_edit->text().isEmpty()) {
        title_label->hide();
        title_edit->hide();
    }
    if (author_edit->text().isEmpty()) {
        author_label->hide();
        author_edit->hide();
    }
    // Neither a text cursor nor a selection belongs on paper.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    title_edit->deselect();
    author_edit->deselect();
}

void PrintWindow::print_drawing()
{
    const PlainLook plain(skin_manager_);
    tidy_for_paper();
    last_page_ = render_client_area(*page);
    const std::unique_ptr<QPrinter> printer = printer_source_();
    print_page(last_page_, *printer, printer_name(*printer));
    accept();
}

} // namespace output
