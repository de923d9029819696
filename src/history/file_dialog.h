#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace history {

// What the save or open dialog is asked to show.
struct FileDialogRequest {
    enum class Kind { Save, Open };
    Kind kind = Kind::Open;
    QString directory;
    QString file_name;
    QString filter;
    QString default_suffix;
};

// Runs a dialog and gives the chosen path, or nothing when it was cancelled.
using FileDialogRunner = std::function<std::optional<QString>(const FileDialogRequest&)>;

// The modal QFileDialog of the platform, over `parent`.
std::optional<QString> run_native_file_dialog(QWidget* parent, const FileDialogRequest& request);

} // namespace history
