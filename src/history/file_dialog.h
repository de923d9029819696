#pragma once

#include "core/file_dialog_settings.h"

#include <functional>
#include <optional>

class QWidget;

namespace history {

enum class DialogKind { Save, Open };

// Runs a dialog and gives the chosen path, or nothing when it was cancelled.
using FileDialogRunner = std::function<std::optional<QString>(DialogKind, const core::FileDialogSettings&)>;

// What the page of the drawings folder gave: a drawing to open (`drawing`), the wish to choose
// another file in the open dialog (`other_file`), or neither when it was closed.
struct GalleryChoice {
    QString drawing;
    bool other_file = false;
};

// Shows the drawings of `folder` to choose from.
using GalleryRunner = std::function<GalleryChoice(const QString& folder)>;

// The modal QFileDialog of the platform, over `parent`.
std::optional<QString> run_native_file_dialog(QWidget* parent, DialogKind kind,
                                              const core::FileDialogSettings& settings);

} // namespace history
