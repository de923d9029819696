#include "output/print_window.h"

#include "output/print_page.h"
#include "platform/error_guard.h"
#include "skin/skin_manager.h"

#include <QDate>
#include <QLocale>
#include <QPrinter>

namespace output {

namespace {

QFont tahoma_pixels(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* make_label(const char* text, const char* name, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
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

TForm2::TForm2(QWidget* parent) : QDialog(parent), printer_source_(default_printer)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Печать работы"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(client_size);
    setFont(tahoma_pixels(11));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    create_controls();
}

void TForm2::create_controls()
{
    Image1 = new platform::PictureControl(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 40, 775, 649);
    Image1->set_stretch(true);
    Image1->set_proportional(true);
    Image1->set_centre(true);
    Image1->setEnabled(false);

    Label1 = make_label("Наименование работы", "Label1", {75, 727, 191, 19}, this);
    Label2 = make_label("Автор", "Label2", {75, 760, 51, 19}, this);
    Label3 = make_label("Дата", "Label3", {75, 790, 41, 19}, this);
    sEdit1 = make_edit("sEdit1", {280, 727, 503, 27}, this);
    sEdit2 = make_edit("sEdit2", {280, 760, 503, 27}, this);
    sEdit3 = make_edit("sEdit3", {280, 793, 121, 25}, this);
    sEdit3->setReadOnly(true);
    sEdit3->setFrame(false);

    BitBtn1 = new QPushButton(QStringLiteral("Распечатать"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(700, 797, 83, 25);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { platform::guarded([this] { BitBtn1Click(); }); });

    setTabOrder(sEdit1, sEdit2);
    setTabOrder(sEdit2, sEdit3);
    setTabOrder(sEdit3, BitBtn1);
}

void TForm2::prepare(const platform::Bitmap& drawing)
{
    sEdit3->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    for (QWidget* row : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(sEdit1),
                         static_cast<QWidget*>(Label2), static_cast<QWidget*>(sEdit2)})
        row->show();
    sEdit1->setFrame(true);
    sEdit2->setFrame(true);
    Image1->set_picture(drawing);
    BitBtn1->show();
}

void TForm2::tidy_for_paper()
{
    BitBtn1->hide();
    sEdit1->setFrame(false);
    sEdit2->setFrame(false);
    if (sEdit1->text().isEmpty()) {
        Label1->hide();
        sEdit1->hide();
    }
    if (sEdit2->text().isEmpty()) {
        Label2->hide();
        sEdit2->hide();
    }
    // Neither a text cursor nor a selection belongs on paper.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    sEdit1->deselect();
    sEdit2->deselect();
}

void TForm2::BitBtn1Click()
{
    const PlainLook plain(skin_manager_);
    tidy_for_paper();
    last_page_ = render_client_area(*this);
    const std::unique_ptr<QPrinter> printer = printer_source_();
    print_page(last_page_, *printer, printer_name(*printer));
    accept();
}

} // namespace output
