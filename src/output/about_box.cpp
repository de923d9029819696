#include "output/about_box.h"

#include "core/application_icon.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace output {

namespace {

enum class RowFont { product, plain, commission, authors };

struct Row {
    const char* entry;
    const char* prefix;
    RowFont font;
};

const Row rows[] = {
    {"ProductName", "", RowFont::product},
    {"FileVersion", QT_TRANSLATE_NOOP("output::AboutBox", "Версия: "), RowFont::plain},
    {"LegalCopyright", "", RowFont::commission},
    {"CompanyName", QT_TRANSLATE_NOOP("output::AboutBox", "Авторы: "), RowFont::authors},
    {"FileDescription", QT_TRANSLATE_NOOP("output::AboutBox", "Аппаратные требования: "), RowFont::plain},
    {"InternalName", QT_TRANSLATE_NOOP("output::AboutBox", "Контакты: "), RowFont::plain},
};

constexpr QPoint icon_position{10, 10};
constexpr QSize icon_size{32, 32};
constexpr QSize commission_box{400, 70};
constexpr QSize button_size{75, 25};
constexpr int row_gap = 5;
// The window system makes no captioned window narrower than this, whatever it is asked for.
constexpr int minimum_outer_width = 112;

QFont row_font(RowFont kind)
{
    QFont font(QStringLiteral("Tahoma"));
    switch (kind) {
    case RowFont::product:
        font.setPointSize(10);
        font.setBold(true);
        break;
    case RowFont::commission:
        font.setPointSize(10);
        break;
    case RowFont::authors:
        font.setPointSize(9);
        break;
    case RowFont::plain:
        font.setPointSize(8);
        break;
    }
    return font;
}

// The version block's words in the interface's language; the block itself keeps the words it
// was built with.
QString shown_value(const QString& text)
{
    return QCoreApplication::translate("formats::VersionInfo", text.toUtf8().constData());
}

// The name of the first translation: language then code page, eight upper-case hex digits.
QString table_name(unsigned translation)
{
    return QStringLiteral("%1%2")
        .arg(translation & 0xFFFFu, 4, 16, QLatin1Char('0'))
        .arg(translation >> 16, 4, 16, QLatin1Char('0'))
        .toUpper();
}

// A single raised line along the top edge, the rest of the band left to the window.
class TopLineBevel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 1, width() - 1, 1);
    }
};

} // namespace

std::unique_ptr<AboutBox> AboutBox::build(const formats::VersionInfo& version, QWidget* parent)
{
    if (version.size() == 0)
        return nullptr;
    const std::optional<unsigned> translation = version.translation();
    const QString table = translation ? table_name(*translation) : QString();
    return std::unique_ptr<AboutBox>(new AboutBox(version, table, parent));
}

AboutBox::AboutBox(const formats::VersionInfo& version, const QString& table, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("О программе: %1").arg(QGuiApplication::applicationDisplayName()));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    add_icon();
    add_rows(version, table);
    outer_size_.setHeight(last_added_->geometry().bottom() + 1 + 85);
    int width = 10;
    for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->objectName() != QLatin1String("Icon"))
            width = std::max(width, label->x() + label->width() + 20);
    outer_size_.setWidth(std::max(width, minimum_outer_width));
    setFixedSize(outer_size_ - dialog_frame);
    add_button_and_bevel();
}

void AboutBox::add_icon()
{
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Icon"));
    const QPixmap pixmap = core::application_icon().pixmap(icon_size);
    icon->setPixmap(pixmap);
    icon->setGeometry(QRect(icon_position, pixmap.deviceIndependentSize().toSize()));
    last_added_ = icon;
}

void AboutBox::add_rows(const formats::VersionInfo& version, const QString& table)
{
    const QWidget* icon = last_added_;
    const int x0 = icon->x() + icon->width() + 10;
    for (const Row& row : rows) {
        const QString entry = QString::fromLatin1(row.entry);
        const std::optional<formats::VersionValue> value =
            version.query(QStringLiteral("StringFileInfo\\") + table + QLatin1Char('\\') + entry);
        if (!value || value->length <= 1)
            continue;
        auto* label = new QLabel(tr(row.prefix) + shown_value(value->text), this);
        label->setObjectName(entry);
        label->setFont(row_font(row.font));
        label->setContentsMargins(0, 0, 0, 0);
        label->setIndent(0);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (row.font == RowFont::product) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
            label->setPalette(palette);
        }
        QSize size = commission_box;
        if (row.font == RowFont::commission) {
            label->setWordWrap(true);
        } else {
            const QFontMetrics metrics(label->font());
            size = QSize(metrics.horizontalAdvance(label->text()), metrics.height());
        }
        const int top =
            row.font == RowFont::product ? icon->y() : last_added_->geometry().bottom() + 1 + row_gap;
        label->setGeometry(QRect(QPoint(x0, top), size));
        last_added_ = label;
    }
}

void AboutBox::add_button_and_bevel()
{
    auto* bevel = new TopLineBevel(this);
    bevel->setObjectName(QStringLiteral("Bevel"));
    // The bevel is as high as the button plus 20, aligned to the bottom of the client area.
    const int bevel_height = button_size.height() + 20;
    bevel->setGeometry(0, height() - bevel_height, width(), bevel_height);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->setCursor(Qt::PointingHandCursor);
    ok->setDefault(true);
    const int left = static_cast<int>(outer_size_.width() / 2.0 - button_size.width() / 2.0);
    ok->setGeometry(QRect(QPoint(left, outer_size_.height() - 60), button_size));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void show_about_box(QWidget* parent)
{
    const std::unique_ptr<AboutBox> box = AboutBox::build(formats::VersionInfo::of_executable(), parent);
    if (!box)
        return;
    if (const QScreen* screen = box->screen())
        box->move(screen->availableGeometry().center() - box->rect().center());
    box->exec();
}

} // namespace output
