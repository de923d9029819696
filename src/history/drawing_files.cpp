#include "history/drawing_files.h"

#include "colours/colour_repaint.h"
#include "core/frame_shape.h"
#include "history/shrink_picture.h"
#include "platform/bmp_codec.h"
#include "platform/error_guard.h"

#include <QDir>

namespace history {

DrawingFiles::DrawingFiles(core::MainWindowControls& controls, core::ProcessState& state)
    : controls_(controls), state_(state),
      run_dialog_([&controls](DialogKind kind, const core::FileDialogSettings& settings) {
          return run_native_file_dialog(controls.page_background->window(), kind, settings);
      })
{
}

void DrawingFiles::connect_handlers()
{
    using platform::PictureControl;
    const auto save = [this] { platform::guarded([this] { save_drawing(); }); };
    const auto open = [this] { platform::guarded([this] { open_drawing(); }); };
    QObject::connect(controls_.save_button, &PictureControl::clicked, controls_.save_button, save);
    QObject::connect(controls_.save_action, &QAction::triggered, controls_.save_action, save);
    QObject::connect(controls_.open_button, &PictureControl::clicked, controls_.open_button, open);
    QObject::connect(controls_.open_action, &QAction::triggered, controls_.open_action, open);
}

QString DrawingFiles::chosen_save_path()
{
    // The user's own folder for drawings is made when it is first needed, so the dialog starts in it.
    if (state_.paths.in_user_folders)
        QDir().mkpath(state_.paths.save_dir());
    const std::optional<QString> chosen = run_dialog_(DialogKind::Save, controls_.save_dialog);
    if (!chosen || chosen->isEmpty())
        return {};
    // The dialog offers the name chosen last time.
    controls_.save_dialog.file_name = *chosen;
    // The test is case-sensitive and looks at the whole path, folders included.
    return chosen->contains(QStringLiteral(".bmp")) ? *chosen : *chosen + QStringLiteral(".bmp");
}

void DrawingFiles::save_drawing()
{
    const QString path = chosen_save_path();
    if (!path.isEmpty())
        platform::write_bmp(controls_.canvas->picture(), path);
}

void DrawingFiles::open_drawing()
{
    controls_.open_dialog.initial_dir = state_.paths.open_dir();
    const std::optional<QString> chosen = run_dialog_(DialogKind::Open, controls_.open_dialog);
    if (chosen && !chosen->isEmpty())
        open_drawing(*chosen);
    enter_drawing_setup();
}

void DrawingFiles::open_drawing(const QString& path)
{
    controls_.load_buffer->load_picture(path);
    platform::Bitmap source = controls_.load_buffer->picture();
    platform::Bitmap fitted = controls_.canvas->picture();
    shrink_picture(source, fitted);
    // The opened picture may be huge; once fitted into the canvas it is not needed any more.
    source = platform::Bitmap();
    controls_.load_buffer->clear_picture();
    controls_.canvas->set_picture(std::move(fitted));
    state_.outlines.picture_opened(controls_.canvas->picture());
    controls_.canvas->show();
    if (!state_.work_page_shown) {
        controls_.page_background->load_picture(state_.paths.interface_dir + QStringLiteral("work.jpg"));
        state_.work_page_shown = true;
    }
}

void DrawingFiles::enter_drawing_setup()
{
    for (platform::PictureControl* control : controls_.drawing_controls())
        control->setEnabled(true);
    for (QWidget* panel :
         std::initializer_list<QWidget*>{controls_.photo_tab, controls_.description_tab, controls_.info_frame,
                                         controls_.photograph, controls_.description_box})
        panel->hide();
    colours::refresh_jar_row(controls_, state_.paths, 1);
    controls_.canvas->show();
    colours::show_opening_colours(controls_, state_);
}

} // namespace history
