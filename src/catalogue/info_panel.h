#pragma once

#include "core/drawing_state.h"
#include "core/resource_paths.h"
#include "widgets/picture_control.h"

#include <QObject>
#include <QPoint>
#include <QTextBrowser>
#include <optional>

namespace colours {
class ColourPanel;
}
namespace core {
class FrameShape;
}

namespace catalogue {

struct PlaceTexts;

// The controls of the photograph and description panel.
struct InfoControls {
    widgets::PictureControl* photo_tab = nullptr;
    widgets::PictureControl* description_tab = nullptr;
    core::FrameShape* info_frame = nullptr;
    widgets::PictureControl* photograph = nullptr;
    QTextBrowser* description_box = nullptr;
};

// The photograph and description panel: its tabs and the pipette presses on it.
class InfoPanel : public QObject {
public:
    // Reads the tool of `drawing`; asks `colours` to take a colour the pipette picks.
    InfoPanel(const InfoControls& controls, const core::ResourcePaths& paths,
              const core::DrawingState& drawing, colours::ColourPanel& colours)
        : controls_(controls), paths_(paths), drawing_(drawing), colours_(colours)
    {
    }
    // Connects the tabs, the photograph and the description box to their handlers.
    void connect_handlers();

    // The tabs and the frame of a catalogue picture's page; the tabs' words in the interface's
    // language where the resource tree has them.
    void show_tabs();
    // Loads the photograph and the description of catalogue picture `name` from the catalogue
    // folder `catalogue_dir`, those it has, and shows the photograph. The description and the
    // photograph's caption are in the interface's language where the folder has them.
    void show_place(const QString& name, const QString& catalogue_dir);
    // Hides the whole panel.
    void hide();

    void show_photograph();
    void show_description();
    // Takes the colour shown where the photograph was last pressed.
    void pick_from_photograph();
    // (x, y) relative to the description box.
    void pick_from_description(int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show_tab_in_language(widgets::PictureControl* tab, const QString& relative);
    void load_description(const PlaceTexts& texts);
    void show_description_file(const QString& path);
    std::optional<pixels::ColourWord> photograph_colour() const;
    std::optional<pixels::ColourWord> description_colour(int x, int y) const;
    void take_colour(std::optional<pixels::ColourWord> colour);

    InfoControls controls_;
    const core::ResourcePaths& paths_;
    const core::DrawingState& drawing_;
    colours::ColourPanel& colours_;
    bool tabs_in_language_ = false;
};

} // namespace catalogue
