#pragma once

#include "catalogue/thumbnail_loader.h"
#include "history/file_dialog.h"

#include <QDialog>
#include <QSize>
#include <map>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace catalogue {

// The page of one's own drawings: the drawings of a folder as large thumbnails, the newest first,
// scrolled, and opened by one click; "Другой файл…" leads to the open dialog. The thumbnails are
// decoded off the interface thread, those shown and a page either side first, and kept while
// they stay near the view, so the page opened again shows them at once.
class GalleryPage : public QDialog {
    Q_OBJECT

public:
    // The canvas at two fifths.
    static constexpr QSize thumbnail_size{190, 237};

    explicit GalleryPage(QWidget* parent);

    // Lists the drawings of `folder` and waits for the child's choice.
    history::GalleryChoice choose(const QString& folder);
    // Lists the drawings of `folder` (every regular "*.bmp", newest first) without showing the page.
    void list_drawings(const QString& folder);

    // Whether every thumbnail in view is shown, or keeps its empty frame because it cannot be read.
    bool settled() const;
    // Handles thumbnails decoded until settled() or `at_most_ms` have passed.
    void wait_until_settled(int at_most_ms);
    QListWidget* drawings() const { return drawings_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void add_buttons();
    ThumbnailKey key_of(const QListWidgetItem* item) const;
    // Asks for the thumbnails in view and a page either side, and forgets the others.
    void want_thumbnails_near_view();
    void show_thumbnail(QListWidgetItem* item, const Thumbnail& thumbnail);
    void thumbnail_decoded(const ThumbnailKey& key, std::exception_ptr error);
    void chosen(QListWidgetItem* item);

    QListWidget* drawings_;
    QLabel* no_drawings_;
    std::map<ThumbnailKey, QListWidgetItem*> waiting_;
    history::GalleryChoice choice_;
    ThumbnailLoader loader_;
};

} // namespace catalogue
