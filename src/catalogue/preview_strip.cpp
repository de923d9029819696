#include "catalogue/preview_strip.h"

#include "catalogue/catalogue_listing.h"
#include "formats/jpeg.h"
#include "formats/picture_density.h"
#include "platform/error_guard.h"

namespace catalogue {

PreviewStrip::PreviewStrip(const StripControls& controls, const core::ResourcePaths& paths,
                           std::int32_t& preview_pos, PageSwitcher& pages)
    : controls_(controls), paths_(paths), preview_pos_(preview_pos), pages_(pages),
      swipe_(
          slot_pitch, [this] { scroll_down(); }, [this] { scroll_up(); })
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

void PreviewStrip::show_entries(int first, int count)
{
    for (int slot = 0; slot < count; ++slot)
        make_thumbnail(first + slot, slot);
}

void PreviewStrip::make_thumbnail(int entry, int slot)
{
    const QListWidgetItem* item = controls_.catalogue_list->item(entry);
    const QString file = item->text();
    const QString catalogue_dir = item->data(catalogue_dir_role).toString();
    // Decoding comes first: a file that cannot be decoded leaves the slot as it was. A dense
    // screen gets the thumbnail decoded at its density (the stored file is twice the slot's size).
    const int density =
        std::max(view_density_, formats::wanted_density(controls_.thumbnail_parent->devicePixelRatioF()));
    QImage image = formats::read_jpeg_scaled(catalogue_dir + "preview/" + file, thumbnail_size * density);
    widgets::PictureControl* thumbnail = slot_control(slot);
    slot_dirs_[slot] = catalogue_dir;
    thumbnail->set_hint(picture_name(file));
    if (density == 1) {
        thumbnail->set_picture(pixels::Bitmap::from_image(image));
    } else {
        const QImage stored = image.scaled(thumbnail_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(density);
        thumbnail->set_picture(pixels::Bitmap::from_image(stored), image);
    }
    thumbnail->raise();
    thumbnail->show();
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
