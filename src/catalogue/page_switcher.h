#pragma once

#include "core/drawing_state.h"
#include "core/resource_paths.h"
#include "history/recovery_record.h"
#include "history/unsaved_changes.h"
#include "widgets/picture_control.h"

#include <QAction>
#include <array>
#include <functional>

namespace colours {
class ColourPanel;
}
namespace history {
class UndoRedo;
}

namespace catalogue {

class InfoPanel;

// The controls the page switcher serves.
struct PageControls {
    widgets::PictureControl* page_background = nullptr; // start page or work page
    widgets::PictureControl* canvas = nullptr;          // shown with a picture to colour
    widgets::PictureControl* home_button = nullptr;
    QAction* home_action = nullptr; // "Главная"
    // The jars and tools the work page offers, in the order they are enabled.
    std::array<widgets::PictureControl*, 27> work_page_tools{};
};

// Opening a picture from the strip (open_catalogue_picture), the page for a drawing of one's own
// (show_own_drawing) and the way back to the start page (show_start_page).
class PageSwitcher {
public:
    // Owns `work_page_shown`; reads the fill pattern of `drawing`. Asks `info` for the photograph
    // and description and `colours` for the jars and colours a page starts with. A picture opened
    // leaves no unsaved `changes` and is reported to `history`, which keeps its outlines.
    PageSwitcher(const PageControls& controls, const core::ResourcePaths& paths, bool& work_page_shown,
                 const core::DrawingState& drawing, InfoPanel& info, colours::ColourPanel& colours,
                 history::UnsavedChanges& changes, history::UndoRedo& history)
        : controls_(controls), paths_(paths), work_page_shown_(work_page_shown), drawing_(drawing),
          info_(info), colours_(colours), changes_(changes), history_(history)
    {
    }
    // Asked before a catalogue picture or the start page replaces the drawing; without it, both
    // always go on.
    void set_replace_check(history::ReplaceCheck check) { may_replace_ = std::move(check); }
    // Told of each place opened and of the start page (as a page without a drawing of its own).
    void set_page_listener(std::function<void(const history::RecordedPage&)> listener)
    {
        page_opened_ = std::move(listener);
    }
    // Told the place's name each time a catalogue picture starts a new drawing.
    using PictureOpened = std::function<void(const QString& place)>;
    void set_picture_opened(PictureOpened told) { picture_opened_ = std::move(told); }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();
    // The place `name` of `catalogue_dir` on the work page, without asking about the drawing it
    // replaces; throws as reading its line drawing does.
    void open_picture(const QString& name, const QString& catalogue_dir);
    // The click of every thumbnail of the preview strip; the sender carries the picture name as its
    // hint, and `catalogue_dir` is the catalogue folder the strip listed it from.
    void open_catalogue_picture(widgets::PictureControl* sender, const QString& catalogue_dir);
    // The work page after the open dialog: without photograph and description, with the work page's
    // background once `opened` put a drawing into the canvas.
    void show_own_drawing(bool opened);
    // The button home_button and the menu item "Главная".
    void show_start_page();
    // The start page's title is drawn in its picture: the start page of the interface's language,
    // where the resource tree has one, replaces the one shown. Whether it could be shown; a
    // language without one, or one that cannot be read, leaves the Russian page to the caller.
    bool show_start_page_in_language();

private:
    void tell_page(const history::RecordedPage& page);
    void set_tools_enabled(bool enabled);
    void show_work_background();

    PageControls controls_;
    const core::ResourcePaths& paths_;
    bool& work_page_shown_;
    const core::DrawingState& drawing_;
    InfoPanel& info_;
    colours::ColourPanel& colours_;
    history::UnsavedChanges& changes_;
    history::ReplaceCheck may_replace_ = [] { return true; };
    PictureOpened picture_opened_ = [](const QString&) {};
    history::UndoRedo& history_;
    std::function<void(const history::RecordedPage&)> page_opened_;
};

} // namespace catalogue
