#pragma once

#include "core/drawing_state.h"
#include "core/resource_paths.h"
#include "platform/picture_control.h"

#include <QAction>
#include <array>

namespace colours {
class ColourPanel;
}

namespace catalogue {

class InfoPanel;

// The controls the page switcher serves.
struct PageControls {
    platform::PictureControl* page_background = nullptr; // start page or work page
    platform::PictureControl* canvas = nullptr;          // shown with a picture to colour
    platform::PictureControl* home_button = nullptr;
    QAction* home_action = nullptr; // "Главная"
    // The jars and tools the work page offers, in the order they are enabled.
    std::array<platform::PictureControl*, 27> work_page_tools{};
};

// Opening a picture from the strip (open_catalogue_picture), the page for a drawing of one's own
// (show_own_drawing) and the way back to the start page (show_start_page).
class PageSwitcher {
public:
    // Owns `work_page_shown`; reads the fill pattern of `drawing`. Asks `info` for the photograph
    // and description and `colours` for the jars and colours a page starts with.
    PageSwitcher(const PageControls& controls, const core::ResourcePaths& paths, bool& work_page_shown,
                 const core::DrawingState& drawing, InfoPanel& info, colours::ColourPanel& colours)
        : controls_(controls), paths_(paths), work_page_shown_(work_page_shown), drawing_(drawing),
          info_(info), colours_(colours)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();
    // The click of every thumbnail of the preview strip; the sender carries the picture name as its hint.
    void open_catalogue_picture(platform::PictureControl* sender);
    // The work page after the open dialog: without photograph and description, with the work page's
    // background once `opened` put a drawing into the canvas.
    void show_own_drawing(bool opened);
    // The button home_button and the menu item "Главная".
    void show_start_page();

private:
    void open_picture(const QString& name);
    void set_tools_enabled(bool enabled);
    void show_work_background();

    PageControls controls_;
    const core::ResourcePaths& paths_;
    bool& work_page_shown_;
    const core::DrawingState& drawing_;
    InfoPanel& info_;
    colours::ColourPanel& colours_;
};

} // namespace catalogue
