#include "history/file_dialog.h"

#include <QFileDialog>

namespace history {

std::optional<QString> run_native_file_dialog(QWidget* parent, const FileDialogRequest& request)
{
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    QFileDialog dialog(parent, QString(), request.directory, request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog accepts a typed name of a file that does not exist; the loader reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.default_suffix);
    if (!request.file_name.isEmpty())
        dialog.selectFile(request.file_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace history
