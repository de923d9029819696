#pragma once

#include "catalogue/page_switcher.h"
#include "catalogue/strip_swipe.h"
#include "catalogue/thumbnail_loader.h"
#include "core/resource_paths.h"

#include <QListWidget>
#include <QPointer>
#include <QSize>
#include <array>

namespace catalogue {

// The controls the preview strip serves.
struct StripControls {
    widgets::PictureControl* strip_up_button = nullptr;
    widgets::PictureControl* strip_down_button = nullptr;
    QListWidget* catalogue_list = nullptr; // hidden: the thumbnail file names
    QWidget* thumbnail_parent = nullptr;   // where the thumbnails are made
};

// The column of up to four thumbnails between the up button strip_up_button and the down button
// strip_down_button, scrolled one picture per press with wrap-around at both ends. The four slot controls are
// made once and get new pictures on every press, so scrolling never adds widgets or memory. A press
// names its slots at once and shows the thumbnails decoded before; the others are decoded off the
// interface thread while their slots show an empty frame, so no file holds up a press.
class PreviewStrip {
public:
    static constexpr int slot_count = 4;
    static constexpr QSize thumbnail_size{123, 123};
    // From one thumbnail's top to the next one's.
    static constexpr int slot_pitch = 130;

    // Owns `preview_pos`; asks `pages` to open a thumbnail's picture.
    PreviewStrip(const StripControls& controls, const core::ResourcePaths& paths, std::int32_t& preview_pos,
                 PageSwitcher& pages);
    // Connects the two scroll buttons.
    void connect_handlers();

    // Lists the catalogue into catalogue_list.
    void list_catalogue();
    // Lists the catalogue again after a place was added, replaced or removed, and shows it from
    // about the same position; a slot left without a place is hidden.
    void refresh_catalogue();
    // The strip at start-up, position 1.
    void first_fill();
    // Scrolls one picture down the list, wrapping to the top.
    void scroll_down();
    // Scrolls one picture up the list, wrapping to the bottom.
    void scroll_up();

    // Makes the thumbnails again for a view that shows them at `density` device pixels a layout
    // pixel (a scaled whole-screen view), so they are not upscaled there.
    void show_at_density(int density);

    // The thumbnail in `slot`, or nullptr while none was ever made there.
    widgets::PictureControl* thumbnail(int slot) const { return slots_.at(slot); }
    // Whether a slot still waits for its thumbnail to be decoded.
    bool waiting(int slot) const { return waiting_.at(slot); }
    // Whether no slot waits: each shows its thumbnail, or its empty frame when it could not be decoded.
    bool settled() const;
    // Waits until settled() or `at_most_ms` have passed, handling no other event: for a window
    // made only to be pictured, so it shows its thumbnails and a slow one holds it up no longer.
    void wait_until_settled(int at_most_ms);
    // Opens the picture of the thumbnail in `slot` from the catalogue folder it was listed from.
    void open_slot(int slot);

private:
    int catalogue_size() const;
    // Entries first .. first + count - 1 into slots 0 .. count - 1, top slot first.
    void show_entries(int first, int count);
    void make_thumbnail(int entry, int slot);
    ThumbnailKey key_of(int entry) const;
    void show_decoded(int slot, const Thumbnail& decoded);
    void thumbnail_decoded(const ThumbnailKey& key, std::exception_ptr error);
    widgets::PictureControl* slot_control(int slot);

    StripControls controls_;
    const core::ResourcePaths& paths_;
    std::int32_t& preview_pos_;
    PageSwitcher& pages_;
    std::array<QPointer<widgets::PictureControl>, slot_count> slots_;
    std::array<QString, slot_count> slot_dirs_;
    std::array<ThumbnailKey, slot_count> slot_keys_;
    std::array<bool, slot_count> waiting_{};
    int view_density_ = 1;
    StripSwipe swipe_;
    ThumbnailLoader loader_;
};

} // namespace catalogue
