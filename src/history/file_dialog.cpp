#include "history/file_dialog.h"

#include <QFileDialog>

namespace history {

std::optional<QString> run_native_file_dialog(QWidget* parent, DialogKind kind,
                                              const core::FileDialogSettings& settings)
{
    QFileDialog dialog(parent, QString(), settings.initial_dir, settings.filter);
    dialog.setOptions(settings.options);
    dialog.setAcceptMode(kind == DialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog accepts a typed name of a file that does not exist; the loader reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(settings.default_suffix);
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QUrl& place : settings.extra_places)
        if (!places.contains(place))
            places.append(place);
    dialog.setSidebarUrls(places);
    if (!settings.file_name.isEmpty())
        dialog.selectFile(settings.file_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace history
