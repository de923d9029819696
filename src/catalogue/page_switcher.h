#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

namespace catalogue {

// Opening a picture from the strip (Image2Click) and the way back to the start page (Image39Click).
class PageSwitcher {
public:
    PageSwitcher(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();
    // The click of every thumbnail of the preview strip; the sender carries the picture name as its hint.
    void Image2Click(platform::PictureControl* sender);
    // The button Image39 and the menu item "Главная".
    void Image39Click();

private:
    void open_picture(const QString& name);
    void load_description(const QString& path);

    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace catalogue
