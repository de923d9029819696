#pragma once

#include "core/main_window_controls.h"
#include "core/process_state.h"

#include <QObject>
#include <QPoint>
#include <optional>

namespace catalogue {

// The photograph and description panel: its tabs and the pipette presses on it.
class InfoPanel : public QObject {
public:
    InfoPanel(core::MainWindowControls& controls, core::ProcessState& state)
        : controls_(controls), state_(state)
    {
    }
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    void show_photograph();
    void show_description();
    // Takes the colour shown where the photograph was last pressed.
    void pick_from_photograph();
    // (x, y) relative to the description box.
    void pick_from_description(int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<platform::ColourWord> photograph_colour() const;
    std::optional<platform::ColourWord> description_colour(int x, int y) const;
    void take_colour(std::optional<platform::ColourWord> colour);

    core::MainWindowControls& controls_;
    core::ProcessState& state_;
};

} // namespace catalogue
