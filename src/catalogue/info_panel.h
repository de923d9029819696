#pragma once

#include "app/form1_controls.h"
#include "app/process_state.h"

#include <QObject>
#include <QPoint>
#include <optional>

namespace catalogue {

// The photograph and description panel: its tabs and the pipette presses on it.
class InfoPanel : public QObject {
public:
    InfoPanel(app::Form1Controls& controls, app::ProcessState& state) : controls_(controls), state_(state) {}
    // Connects the controls and menu items this class serves to its handlers.
    void connect_handlers();

    void Image26Click();
    void Image27Click();
    // (x, y) in the photograph control's own pixels.
    void Image28MouseDown(int x, int y);
    // (x, y) relative to the description box.
    void sRichEdit1MouseDown(int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<platform::ColourWord> photograph_colour(int x, int y) const;
    std::optional<platform::ColourWord> description_colour(int x, int y) const;
    void take_colour(std::optional<platform::ColourWord> colour);

    app::Form1Controls& controls_;
    app::ProcessState& state_;
};

} // namespace catalogue
