#include "history/drawing_files.h"

#include "formats/bmp_codec.h"
#include "history/fitted_picture.h"
#include "history/gallery_names.h"
#include "platform/error_guard.h"
#include "widgets/notice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace history {

DrawingFiles::DrawingFiles(const DrawingFileControls& controls, core::ResourcePaths& paths,
                           const core::Allowances& allowed, UnsavedChanges& changes,
                           ShowOwnDrawing show_own_drawing)
    : controls_(controls), paths_(paths), allowed_(allowed), changes_(changes),
      show_own_drawing_(std::move(show_own_drawing)),
      run_dialog_([canvas = controls.canvas](DialogKind kind, const core::FileDialogSettings& settings) {
          return run_native_file_dialog(canvas->window(), kind, settings);
      })
{
}

void DrawingFiles::connect_handlers()
{
    using widgets::PictureControl;
    const auto save = [this] { save_drawing(); };
    const auto open = [this] { open_drawing(); };
    platform::connect_guarded(controls_.save_button, &PictureControl::clicked, controls_.save_button, save);
    platform::connect_guarded(controls_.save_action, &QAction::triggered, controls_.save_action, save);
    platform::connect_guarded(controls_.open_button, &PictureControl::clicked, controls_.open_button, open);
    platform::connect_guarded(controls_.open_action, &QAction::triggered, controls_.open_action, open);
}

QString DrawingFiles::chosen_save_path()
{
    // The user's own folder for drawings is made when it is first needed, so the dialog starts in it.
    if (paths_.in_user_folders)
        QDir().mkpath(paths_.save_dir());
    const std::optional<QString> chosen = run_dialog_(DialogKind::Save, *controls_.save_dialog);
    if (!chosen || chosen->isEmpty())
        return {};
    // The dialog offers the name chosen last time.
    controls_.save_dialog->file_name = *chosen;
    // The test is case-sensitive and looks at the whole path, folders included.
    return chosen->contains(QStringLiteral(".bmp")) ? *chosen : *chosen + QStringLiteral(".bmp");
}

QString DrawingFiles::gallery_save_path()
{
    if (drawing_file_.isEmpty()) {
        QDir().mkpath(paths_.save_dir());
        drawing_file_ = claim_drawing_path(paths_.save_dir(), place_, clock_());
    }
    return drawing_file_;
}

void DrawingFiles::forget_unwritten_claim(const QString& path)
{
    if (path != drawing_file_ || QFileInfo(path).size() != 0)
        return;
    QFile::remove(path);
    drawing_file_.clear();
}

void DrawingFiles::start_drawing(const QString& place)
{
    place_ = place;
    drawing_file_.clear();
}

void DrawingFiles::show_allowances()
{
    controls_.save_button->setEnabled(allowed_.saving);
    controls_.save_action->setEnabled(allowed_.saving);
    controls_.open_button->setEnabled(allowed_.opening);
    controls_.open_action->setEnabled(allowed_.opening);
}

void DrawingFiles::use_drawings_folder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    paths_.drawings_dir = QDir(folder).absolutePath() + '/';
    controls_.save_dialog->initial_dir = paths_.save_dir();
}

bool DrawingFiles::save_drawing()
{
    if (!allowed_.saving)
        return false;
    const QString path = gallery_ ? gallery_save_path() : chosen_save_path();
    if (path.isEmpty())
        return false;
    try {
        formats::write_bmp(controls_.canvas->picture(), path);
    } catch (...) {
        forget_unwritten_claim(path);
        throw;
    }
    changes_.mark_clean();
    if (saved_)
        saved_();
    if (gallery_) {
        constexpr int shown_ms = 1500;
        widgets::Notice::of(controls_.canvas->parentWidget())
            .show_words(QCoreApplication::translate("history::DrawingFiles", "Сохранено"),
                        controls_.canvas->picture().to_rgb32(), shown_ms);
    }
    return true;
}

QString DrawingFiles::chosen_open_path()
{
    if (gallery_ && run_gallery_) {
        const GalleryChoice choice = run_gallery_(paths_.save_dir());
        if (!choice.other_file)
            return choice.drawing;
    }
    controls_.open_dialog->initial_dir = paths_.open_dir();
    // A child who saved a drawing finds it again in one click.
    controls_.open_dialog->extra_places = {QUrl::fromLocalFile(QDir::cleanPath(paths_.save_dir()))};
    return run_dialog_(DialogKind::Open, *controls_.open_dialog).value_or(QString());
}

void DrawingFiles::open_drawing()
{
    if (!allowed_.opening || !may_replace_())
        return;
    const QString chosen = chosen_open_path();
    const bool opened = !chosen.isEmpty();
    if (opened)
        open_drawing(chosen);
    show_own_drawing_(opened);
}

void DrawingFiles::open_drawing(const QString& path)
{
    // The opened picture may be huge: it is read straight into the canvas's size, never whole.
    pixels::Bitmap fitted = controls_.canvas->picture();
    read_fitted_picture(path, fitted);
    controls_.canvas->set_picture(std::move(fitted));
    changes_.mark_clean();
    opened_path_ = path;
    // Saved again, an opened drawing goes into a file of its own and leaves the one it came from.
    start_drawing(place_of_drawing_file(path));
}

} // namespace history
