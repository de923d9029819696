#pragma once

#include "core/file_dialog_settings.h"

#include <functional>
#include <optional>

class QWidget;

namespace history {

enum class DialogKind { Save, Open };

// Runs a dialog and gives the chosen path, or nothing when it was cancelled.
using FileDialogRunner = std::function<std::optional<QString>(DialogKind, const core::FileDialogSettings&)>;

// The modal QFileDialog of the platform, over `parent`.
std::optional<QString> run_native_file_dialog(QWidget* parent, DialogKind kind,
                                              const core::FileDialogSettings& settings);

} // namespace history
