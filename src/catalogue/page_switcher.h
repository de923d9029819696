#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"

namespace catalogue {

// Opening a picture from the strip (open_catalogue_picture) and the way back to the start page
// (show_start_page).
class PageSwitcher {
public:
    PageSwitcher(core::MainWindowControls& controls, core::ProcessState& state)
        : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();
    // The click of every thumbnail of the preview strip; the sender carries the picture name as its hint.
    void open_catalogue_picture(platform::PictureControl* sender);
    // The button home_button and the menu item "Главная".
    void show_start_page();

private:
    void open_picture(const QString& name);
    // The catalogue folder the strip listed the picture from.
    QString catalogue_dir_of(const QString& name) const;
    void load_description(const QString& path);

    core::MainWindowControls& controls_;
    core::ProcessState& state_;
};

} // namespace catalogue
