#pragma once

#include "formats/version_info.h"

#include <QDialog>
#include <QSize>
#include <memory>

namespace output {

// The About box is laid out in outer window sizes, as a window with a fixed dialog border measures
// itself; the client area is that minus the frame of such a border at 96 dpi.
inline constexpr QSize dialog_frame{6, 25};

// The About box built from a version block, not yet shown: null when the block is empty. Its rows
// are QLabels named after their entries ("ProductName", "FileVersion", ...), the icon "Icon", the
// button "Ok" and the bevel "Bevel"; outer_size() is the window's outer size.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    static std::unique_ptr<AboutBox> build(const formats::VersionInfo& version, QWidget* parent = nullptr);

    QSize outer_size() const { return outer_size_; }

private:
    AboutBox(const formats::VersionInfo& version, const QString& table, QWidget* parent);
    void add_icon();
    void add_rows(const formats::VersionInfo& version, const QString& table);
    void add_button_and_bevel();

    QWidget* last_added_ = nullptr;
    QSize outer_size_;
};

// Builds the About box from the executable's version block, shows it modally and destroys it;
// shows nothing when there is no version block.
void show_about_box(QWidget* parent);

} // namespace output
