#include "catalogue/gallery_page.h"

#include "formats/picture_density.h"
#include "history/fitted_picture.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QScroller>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <sys/stat.h>

namespace catalogue {

namespace {

constexpr int path_role = Qt::UserRole;
constexpr int stamp_role = Qt::UserRole + 1;
// The thumbnails asked for at once when the page is listed, before its view is laid out: the
// first page of three rows of four.
constexpr int first_page = 12;
constexpr QSize page_size(900, 660);

// Every thumbnail has a frame, so a drawing with a white edge stands apart from the page.
void draw_frame(QPaintDevice& picture)
{
    QPainter painter(&picture);
    painter.setPen(QColor(0xC8, 0xC0, 0xB0));
    painter.drawRect(0, 0, picture.width() - 1, picture.height() - 1);
}

// What a thumbnail shows while it is decoded, or when it cannot be: an empty frame.
const QIcon& empty_frame()
{
    static const QIcon frame = [] {
        QPixmap pixmap(GalleryPage::thumbnail_size);
        pixmap.fill(QColor(0xF4, 0xF1, 0xEA));
        draw_frame(pixmap);
        return QIcon(pixmap);
    }();
    return frame;
}

// Runs on a thread of the loader's pool: the drawing fitted into the thumbnail as an opened
// drawing is fitted into the canvas.
Thumbnail decode_drawing(const ThumbnailKey& key, QSize size, const std::atomic_bool*)
{
    pixels::Bitmap fitted(size.width() * key.density, size.height() * key.density);
    history::read_fitted_picture(key.path, fitted);
    return {std::move(fitted), QImage()};
}

struct SavedDrawing {
    QString path;
    QString title;
    qint64 modified_ns;
};

// Each file's time is asked of the system once: a QFileInfo's time is local time, and every
// conversion asks the system for the time zone file anew.
std::vector<SavedDrawing> newest_first(const QString& folder)
{
    std::vector<SavedDrawing> drawings;
    QDirIterator files(QDir::cleanPath(folder), {QStringLiteral("*.bmp")}, QDir::Files);
    while (files.hasNext()) {
        const QString path = files.next();
        struct stat status {};
        if (::stat(QFile::encodeName(path).constData(), &status) != 0)
            continue;
        drawings.push_back({path, files.fileInfo().completeBaseName(),
                            qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec});
    }
    // Files saved within one clock tick share their time; the later name is then the later save.
    std::sort(drawings.begin(), drawings.end(), [](const SavedDrawing& a, const SavedDrawing& b) {
        return a.modified_ns != b.modified_ns ? a.modified_ns > b.modified_ns : a.title > b.title;
    });
    return drawings;
}

} // namespace

GalleryPage::GalleryPage(QWidget* parent)
    : QDialog(parent), drawings_(new QListWidget(this)), no_drawings_(new QLabel(this)),
      loader_(
          thumbnail_size,
          [this](const ThumbnailKey& key, std::exception_ptr error) { thumbnail_decoded(key, error); },
          decode_drawing)
{
    setObjectName("gallery_page");
    setWindowTitle(tr("Мои рисунки"));
    drawings_->setObjectName("drawings_list");
    drawings_->setViewMode(QListView::IconMode);
    drawings_->setIconSize(thumbnail_size);
    drawings_->setGridSize(thumbnail_size + QSize(18, 18));
    drawings_->setUniformItemSizes(true);
    drawings_->setMovement(QListView::Static);
    drawings_->setResizeMode(QListView::Adjust);
    drawings_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    drawings_->verticalScrollBar()->setSingleStep(thumbnail_size.height() / 4);
    // A finger's swipe scrolls the page; a tap stays a click.
    QScroller::grabGesture(drawings_->viewport(), QScroller::TouchGesture);
    no_drawings_->setObjectName("no_drawings");
    no_drawings_->setText(tr("Здесь пока нет рисунков."));
    no_drawings_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(drawings_);
    layout->addWidget(no_drawings_);
    add_buttons();
    connect(drawings_, &QListWidget::itemClicked, this, &GalleryPage::chosen);
    connect(drawings_, &QListWidget::itemActivated, this, &GalleryPage::chosen);
    connect(drawings_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &GalleryPage::want_thumbnails_near_view);
    QSize size = page_size;
    if (const QScreen* screen = parent ? parent->screen() : nullptr)
        size = size.boundedTo(screen->availableSize());
    resize(size);
}

void GalleryPage::add_buttons()
{
    auto* other_file = new QPushButton(tr("Другой файл…"), this);
    other_file->setObjectName("other_file_button");
    connect(other_file, &QPushButton::clicked, this, [this] {
        choice_.other_file = true;
        reject();
    });
    auto* cancel = new QPushButton(tr("Отмена"), this);
    cancel->setObjectName("cancel_button");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(other_file);
    row->addStretch();
    row->addWidget(cancel);
    for (QPushButton* button : {other_file, cancel}) {
        button->setMinimumHeight(48);
        button->setAutoDefault(false);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

history::GalleryChoice GalleryPage::choose(const QString& folder)
{
    list_drawings(folder);
    exec();
    return choice_;
}

void GalleryPage::list_drawings(const QString& folder)
{
    choice_ = {};
    waiting_.clear();
    drawings_->clear();
    std::vector<ThumbnailKey> wanted;
    for (const SavedDrawing& drawing : newest_first(folder)) {
        auto* item = new QListWidgetItem(drawings_);
        item->setData(path_role, drawing.path);
        item->setData(stamp_role, drawing.modified_ns);
        item->setToolTip(drawing.title);
        const ThumbnailKey key = key_of(item);
        if (const Thumbnail* decoded = loader_.find(key)) {
            show_thumbnail(item, *decoded);
            continue;
        }
        item->setIcon(empty_frame());
        waiting_[key] = item;
        if (drawings_->count() <= first_page)
            wanted.push_back(key);
    }
    for (const ThumbnailKey& key : wanted)
        loader_.request(key, 2);
    drawings_->setVisible(drawings_->count() > 0);
    no_drawings_->setVisible(drawings_->count() == 0);
    drawings_->scrollToTop();
}

ThumbnailKey GalleryPage::key_of(const QListWidgetItem* item) const
{
    return {item->data(path_role).toString(), formats::wanted_density(devicePixelRatioF()),
            item->data(stamp_role).toLongLong()};
}

void GalleryPage::want_thumbnails_near_view()
{
    const QRect view = drawings_->viewport()->rect();
    const QRect near = view.adjusted(0, -view.height(), 0, view.height());
    std::vector<ThumbnailKey> kept;
    for (int row = 0; row < drawings_->count(); ++row) {
        QListWidgetItem* item = drawings_->item(row);
        const QRect place = drawings_->visualItemRect(item);
        if (!place.intersects(near))
            continue;
        const ThumbnailKey key = key_of(item);
        kept.push_back(key);
        if (waiting_.contains(key))
            loader_.request(key, place.intersects(view) ? 2 : 1);
    }
    loader_.keep_only(kept);
}

void GalleryPage::show_thumbnail(QListWidgetItem* item, const Thumbnail& thumbnail)
{
    QImage image = thumbnail.stored.to_rgb32();
    draw_frame(image);
    image.setDevicePixelRatio(double(image.width()) / thumbnail_size.width());
    item->setIcon(QIcon(QPixmap::fromImage(image)));
}

void GalleryPage::thumbnail_decoded(const ThumbnailKey& key, std::exception_ptr error)
{
    const auto it = waiting_.find(key);
    if (it == waiting_.end())
        return;
    // A drawing that cannot be read keeps its empty frame; opening it names the fault.
    if (!error)
        show_thumbnail(it->second, *loader_.find(key));
    waiting_.erase(it);
}

bool GalleryPage::settled() const
{
    const QRect view = drawings_->viewport()->rect();
    return std::none_of(waiting_.begin(), waiting_.end(), [&](const auto& entry) {
        return drawings_->visualItemRect(entry.second).intersects(view);
    });
}

void GalleryPage::wait_until_settled(int at_most_ms)
{
    drawings_->doItemsLayout();
    want_thumbnails_near_view();
    QElapsedTimer clock;
    clock.start();
    while (!settled() && clock.elapsed() < at_most_ms)
        loader_.wait(int(std::max<qint64>(1, at_most_ms - clock.elapsed())));
}

void GalleryPage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once the view has laid its items out.
    QTimer::singleShot(0, this, &GalleryPage::want_thumbnails_near_view);
}

void GalleryPage::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    QTimer::singleShot(0, this, &GalleryPage::want_thumbnails_near_view);
}

void GalleryPage::chosen(QListWidgetItem* item)
{
    // A swipe ends over a thumbnail, often the one it began on, and is no choice of it.
    const QScroller::State swipe = QScroller::scroller(drawings_->viewport())->state();
    if (swipe == QScroller::Dragging || swipe == QScroller::Scrolling)
        return;
    choice_.drawing = item->data(path_role).toString();
    accept();
}

} // namespace catalogue
