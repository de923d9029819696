#pragma once

#include <QCoreApplication>
#include <QFileDialog>
#include <QList>
#include <QString>
#include <QUrl>

namespace core {

// What the layout fixes for one of the main window's file dialogs; the dialog is built from it
// when it is used.
struct FileDialogSettings {
    // Appended when the user types a name without one.
    QString default_suffix;
    QString file_name;
    // In QFileDialog's form: "description (pattern)".
    QString filter;
    // The layout's "ask before overwriting" is Qt's default; read-only check boxes do not exist in
    // Qt's dialogs and every dialog is resizable.
    QFileDialog::Options options;
    // Empty until it is set: at start-up for saving, before each use for opening.
    QString initial_dir;
    // Folders the side bar offers besides the platform's own places.
    QList<QUrl> extra_places;
};

inline FileDialogSettings save_dialog_defaults()
{
    return {QStringLiteral("bmp"),
            QStringLiteral("save"),
            QCoreApplication::translate("core", "Растровое изображение (24 бит) (*.bmp)"),
            {},
            {},
            {}};
}

inline FileDialogSettings open_dialog_defaults()
{
    return {QStringLiteral("bmp"),
            {},
            QCoreApplication::translate("core", "Растровое изображение (*.bmp)"),
            {},
            {},
            {}};
}

} // namespace core
