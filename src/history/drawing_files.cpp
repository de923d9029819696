#include "history/drawing_files.h"

#include "app/frame_shape.h"
#include "colours/paint_banks.h"
#include "history/shrink_picture.h"
#include "platform/bmp_codec.h"
#include "platform/error_guard.h"

namespace history {

DrawingFiles::DrawingFiles(app::Form1Controls& controls, app::ProcessState& state)
    : controls_(controls), state_(state),
      run_dialog_([&controls](DialogKind kind, const app::FileDialogSettings& settings) {
          return run_native_file_dialog(controls.Image3->window(), kind, settings);
      })
{
}

void DrawingFiles::connect_handlers()
{
    using platform::PictureControl;
    const auto save = [this] { platform::guarded([this] { Image30Click(); }); };
    const auto open = [this] { platform::guarded([this] { Image31Click(); }); };
    QObject::connect(controls_.Image30, &PictureControl::clicked, controls_.Image30, save);
    QObject::connect(controls_.N6, &QAction::triggered, controls_.N6, save);
    QObject::connect(controls_.Image31, &PictureControl::clicked, controls_.Image31, open);
    QObject::connect(controls_.N5, &QAction::triggered, controls_.N5, open);
}

QString DrawingFiles::chosen_save_path()
{
    const std::optional<QString> chosen = run_dialog_(DialogKind::Save, controls_.SaveDialog1);
    if (!chosen || chosen->isEmpty())
        return {};
    // The dialog offers the name chosen last time.
    controls_.SaveDialog1.file_name = *chosen;
    // The test is case-sensitive and looks at the whole path, folders included.
    return chosen->contains(QStringLiteral(".bmp")) ? *chosen : *chosen + QStringLiteral(".bmp");
}

void DrawingFiles::Image30Click()
{
    const QString path = chosen_save_path();
    if (!path.isEmpty())
        platform::write_bmp(controls_.Image1->picture(), path);
}

void DrawingFiles::Image31Click()
{
    controls_.OpenDialog1.initial_dir = state_.paths.pic_dop_dir();
    const std::optional<QString> chosen = run_dialog_(DialogKind::Open, controls_.OpenDialog1);
    if (chosen && !chosen->isEmpty())
        open_drawing(*chosen);
    enter_drawing_setup();
}

void DrawingFiles::open_drawing(const QString& path)
{
    controls_.Image32->load_picture(path);
    platform::Bitmap source = controls_.Image32->picture();
    platform::Bitmap fitted = controls_.Image1->picture();
    shrink_picture(source, fitted);
    controls_.Image32->set_picture(std::move(source));
    controls_.Image1->set_picture(std::move(fitted));
    controls_.Image1->show();
    if (!state_.work_page_shown) {
        controls_.Image3->load_picture(state_.paths.interface_dir + QStringLiteral("work.jpg"));
        state_.work_page_shown = true;
    }
}

void DrawingFiles::enter_drawing_setup()
{
    for (platform::PictureControl* control : controls_.drawing_controls())
        control->setEnabled(true);
    for (QWidget* panel : std::initializer_list<QWidget*>{controls_.Image26, controls_.Image27, controls_.Shape1,
                                                          controls_.Image28, controls_.sRichEdit1})
        panel->hide();
    colours::refresh_jar_row(controls_, state_.paths, 1);
    controls_.Image1->show();
    colours::show_opening_colours(controls_, state_);
}

} // namespace history
