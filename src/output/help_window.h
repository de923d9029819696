#pragma once

#include "core/main_window_controls.h"
#include "output/help_picture.h"
#include "platform/picture_control.h"

#include <QDialog>

namespace output {

// The help window: one picture of the main window with labelled arrows naming its areas.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize client_size{1003, 749};

    // `main_window` is pictured as it looks whenever the help window opens.
    HelpWindow(QWidget* main_window, const core::MainWindowControls& controls, QWidget* parent = nullptr);

    // Pictures the main window afresh into help_view.
    HelpPicture refresh_picture();

    platform::PictureControl* help_view = nullptr; // the help picture, unscaled from the top-left corner

protected:
    void showEvent(QShowEvent* event) override;

private:
    QList<Callout> callouts() const;
    QRect in_window(const QWidget* control) const;
    QRect in_window(std::initializer_list<const QWidget*> controls) const;

    QWidget* main_window_;
    const core::MainWindowControls& controls_;
};

} // namespace output
