#pragma once

#include "output/help_areas.h"
#include "output/help_picture.h"
#include "widgets/picture_control.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace output {

class ScreenFit;

// A main window made only to be pictured, never shown on screen: on its work page with a
// catalogue picture open.
struct WorkPageExample {
    std::unique_ptr<QWidget> window;
    HelpControls controls;
};
using WorkPageExampleFactory = std::function<WorkPageExample()>;

// The help window: one picture of the main window with labelled arrows naming its areas. On a
// screen with too little room for it, the picture scrolls inside a smaller window.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize client_size{1003, 749};

    // `main_window` is pictured as it looks whenever the help window opens, if it shows every
    // area the picture names.
    HelpWindow(QWidget* main_window, const HelpControls& controls, QWidget* parent = nullptr);

    // Makes the window pictured instead while the main window hides some of the areas (on the
    // start page, or with a drawing of its own open and no photograph).
    void set_work_page_example(WorkPageExampleFactory factory) { make_example_ = std::move(factory); }

    // Pictures the main window, or the example, afresh into help_view.
    HelpPicture refresh_picture();
    // Sizes the window for its screen and centres it there.
    void place_on_screen();

    widgets::PictureControl* help_view = nullptr; // the help picture, unscaled from the top-left corner

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* main_window_;
    HelpControls controls_;
    WorkPageExampleFactory make_example_;
    ScreenFit* screen_fit_ = nullptr;
};

} // namespace output
