#pragma once

#include "app/form1_controls.h"
#include "output/help_picture.h"
#include "platform/picture_control.h"

#include <QDialog>

namespace output {

// The help window: one picture of the main window with labelled arrows naming its areas.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize client_size{1003, 749};

    // `main_window` is pictured as it looks whenever the help window opens.
    TForm3(QWidget* main_window, const app::Form1Controls& controls, QWidget* parent = nullptr);

    // Pictures the main window afresh into Image1.
    HelpPicture refresh_picture();

    platform::PictureControl* Image1 = nullptr; // the help picture, unscaled from the top-left corner

protected:
    void showEvent(QShowEvent* event) override;

private:
    QList<Callout> callouts() const;
    QRect in_window(const QWidget* control) const;
    QRect in_window(std::initializer_list<const QWidget*> controls) const;

    QWidget* main_window_;
    const app::Form1Controls& controls_;
};

} // namespace output
