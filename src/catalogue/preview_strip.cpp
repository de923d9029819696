#include "catalogue/preview_strip.h"

#include "catalogue/catalogue_listing.h"
#include "catalogue/content_language.h"
#include "formats/picture_density.h"
#include "platform/error_guard.h"

#include <QPainter>

namespace catalogue {

namespace {

// What a slot shows while its thumbnail is decoded, or when it cannot be: an empty frame.
const pixels::Bitmap& empty_frame()
{
    static const pixels::Bitmap frame = [] {
        QImage image(PreviewStrip::thumbnail_size, QImage::Format_RGB32);
        image.fill(QColor(0xF4, 0xF1, 0xEA));
        QPainter painter(&image);
        painter.setPen(QColor(0xC8, 0xC0, 0xB0));
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
        painter.end();
        return pixels::Bitmap::from_image(image);
    }();
    return frame;
}

} // namespace

PreviewStrip::PreviewStrip(const StripControls& controls, const core::ResourcePaths& paths,
                           std::int32_t& preview_pos, PageSwitcher& pages)
    : controls_(controls), paths_(paths), preview_pos_(preview_pos), pages_(pages),
      swipe_(
          slot_pitch, [this] { scroll_down(); }, [this] { scroll_up(); }),
      loader_(thumbnail_size,
              [this](const ThumbnailKey& key, std::exception_ptr error) { thumbnail_decoded(key, error); })
{
}

void PreviewStrip::connect_handlers()
{
    using widgets::PictureControl;
    platform::connect_guarded(controls_.strip_down_button, &PictureControl::clicked,
                              controls_.strip_down_button, [this] { scroll_down(); });
    platform::connect_guarded(controls_.strip_up_button, &PictureControl::clicked, controls_.strip_up_button,
                              [this] { scroll_up(); });
}

void PreviewStrip::list_catalogue()
{
    controls_.catalogue_list->clear();
    for (const CatalogueEntry& entry : catalogue::list_catalogue(paths_.catalogue_dirs)) {
        auto* item = new QListWidgetItem(entry.file, controls_.catalogue_list);
        item->setData(catalogue_dir_role, entry.dir);
    }
}

void PreviewStrip::refresh_catalogue()
{
    list_catalogue();
    // A replaced place keeps its thumbnail's name: nothing decoded before may be shown again.
    loader_.keep_only({});
    const int n = catalogue_size();
    const int shown = std::min(n, slot_count);
    preview_pos_ = std::clamp(preview_pos_, 1, std::max(1, n - 3));
    show_entries(n < slot_count ? 0 : preview_pos_ - 1, shown);
    for (int slot = shown; slot < slot_count; ++slot)
        if (slots_[slot]) {
            waiting_[slot] = false;
            slots_[slot]->hide();
        }
}

int PreviewStrip::catalogue_size() const
{
    return controls_.catalogue_list->count();
}

void PreviewStrip::first_fill()
{
    show_entries(0, std::min(catalogue_size(), slot_count));
}

void PreviewStrip::scroll_down()
{
    const int n = catalogue_size();
    ++preview_pos_;
    if (n < slot_count) {
        show_entries(0, n);
        return;
    }
    if (n - 1 > preview_pos_ + 1) {
        show_entries(preview_pos_ - 1, slot_count);
        return;
    }
    preview_pos_ = 1;
    show_entries(0, slot_count);
}

void PreviewStrip::scroll_up()
{
    const int n = catalogue_size();
    --preview_pos_;
    if (n < slot_count) {
        show_entries(0, n);
        return;
    }
    if (preview_pos_ != 0) {
        show_entries(preview_pos_ - 1, slot_count);
        return;
    }
    preview_pos_ = n - 3;
    show_entries(n - slot_count, slot_count);
}

void PreviewStrip::show_at_density(int density)
{
    view_density_ = density;
    const int n = catalogue_size();
    if (n < slot_count)
        show_entries(0, n);
    else
        show_entries(preview_pos_ - 1, slot_count);
}

bool PreviewStrip::settled() const
{
    return std::none_of(waiting_.begin(), waiting_.end(), [](bool waiting) { return waiting; });
}

void PreviewStrip::wait_until_settled(int at_most_ms)
{
    loader_.wait(at_most_ms);
}

void PreviewStrip::show_entries(int first, int count)
{
    // The entries just above and below stay decoded too, so a press either way finds its new
    // thumbnail ready; every other decoding stops.
    const int n = catalogue_size();
    std::vector<ThumbnailKey> neighbours;
    if (n > count)
        neighbours = {key_of((first - 1 + n) % n), key_of((first + count) % n)};
    std::vector<ThumbnailKey> kept = neighbours;
    for (int slot = 0; slot < count; ++slot)
        kept.push_back(key_of(first + slot));
    loader_.keep_only(kept);
    for (int slot = 0; slot < count; ++slot)
        make_thumbnail(first + slot, slot);
    for (const ThumbnailKey& key : neighbours)
        loader_.request(key, 0);
}

ThumbnailKey PreviewStrip::key_of(int entry) const
{
    const QListWidgetItem* item = controls_.catalogue_list->item(entry);
    // A dense screen gets the thumbnail decoded at its density (the stored file is twice the
    // slot's size).
    const int density =
        std::max(view_density_, formats::wanted_density(controls_.thumbnail_parent->devicePixelRatioF()));
    return {item->data(catalogue_dir_role).toString() + "preview/" + item->text(), density};
}

void PreviewStrip::make_thumbnail(int entry, int slot)
{
    const QListWidgetItem* item = controls_.catalogue_list->item(entry);
    widgets::PictureControl* thumbnail = slot_control(slot);
    slot_dirs_[slot] = item->data(catalogue_dir_role).toString();
    slot_keys_[slot] = key_of(entry);
    // The hint names the picture's files; the child is told the place's name in the language.
    thumbnail->set_hint(picture_name(item->text()));
    thumbnail->setAccessibleName(place_texts(thumbnail->hint(), slot_dirs_[slot]).shown_name);
    if (const Thumbnail* decoded = loader_.find(slot_keys_[slot])) {
        show_decoded(slot, *decoded);
    } else {
        waiting_[slot] = true;
        thumbnail->set_picture(empty_frame());
        // The top slot first.
        loader_.request(slot_keys_[slot], slot_count - slot);
    }
    thumbnail->raise();
    thumbnail->show();
}

void PreviewStrip::show_decoded(int slot, const Thumbnail& decoded)
{
    waiting_[slot] = false;
    if (decoded.dense.isNull())
        slots_[slot]->set_picture(decoded.stored);
    else
        slots_[slot]->set_picture(decoded.stored, decoded.dense);
}

void PreviewStrip::thumbnail_decoded(const ThumbnailKey& key, std::exception_ptr error)
{
    bool shown = false;
    for (int slot = 0; slot < slot_count; ++slot) {
        if (!waiting_[slot] || !(slot_keys_[slot] == key))
            continue;
        shown = true;
        if (error)
            waiting_[slot] = false; // keeps its empty frame, and its name opens the picture
        else
            show_decoded(slot, *loader_.find(key));
    }
    // A file that cannot be decoded is reported as it is shown; a neighbour's failure waits for
    // the press that shows it.
    if (error && shown)
        platform::guarded([&] { std::rethrow_exception(error); });
}

void PreviewStrip::open_slot(int slot)
{
    pages_.open_catalogue_picture(slots_.at(slot), slot_dirs_.at(slot));
}

widgets::PictureControl* PreviewStrip::slot_control(int slot)
{
    if (slots_[slot])
        return slots_[slot];
    auto* thumbnail = new widgets::PictureControl(controls_.thumbnail_parent);
    thumbnail->setGeometry(10, slot * slot_pitch + 45, thumbnail_size.width(), thumbnail_size.height());
    thumbnail->set_stretch(true);
    thumbnail->set_show_hint(false);
    thumbnail->setCursor(Qt::PointingHandCursor);
    platform::connect_guarded(thumbnail, &widgets::PictureControl::clicked, thumbnail,
                              [this, slot] { open_slot(slot); });
    swipe_.watch(thumbnail);
    slots_[slot] = thumbnail;
    return thumbnail;
}

} // namespace catalogue
