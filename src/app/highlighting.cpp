#include "app/highlighting.h"

#include "platform/error_guard.h"
#include "platform/errors.h"

namespace app {

namespace {

using Button = Highlighting::Button;

// clang-format off
const Button buttons[] = {
    {&HighlightControls::strip_down_button, &core::ResourcePaths::buttons_dir,   "вн_.bmp",        "вн.bmp",         false},
    {&HighlightControls::strip_up_button, &core::ResourcePaths::buttons_dir,   "вв_.bmp",        "вв.bmp",         false},
    {&HighlightControls::undo_button, &core::ResourcePaths::buttons_dir,   "назад.bmp",      "назад чб.bmp",   true},
    {&HighlightControls::redo_button, &core::ResourcePaths::buttons_dir,   "вперед.bmp",     "вперед чб.bmp",  true},
    {&HighlightControls::home_button, &core::ResourcePaths::interface_dir, "главная!.bmp",   "",               false},
    {&HighlightControls::print_button, &core::ResourcePaths::interface_dir, "печать!.bmp",    "",               true},
    {&HighlightControls::open_button, &core::ResourcePaths::interface_dir, "открыть!.bmp",   "",               true},
    {&HighlightControls::save_button, &core::ResourcePaths::interface_dir, "сохранить!.bmp", "",               true},
    {&HighlightControls::exit_button, &core::ResourcePaths::interface_dir, "выход!.bmp",     "",               false},
};
// clang-format on

} // namespace

void Highlighting::connect_handlers()
{
    for (const Button& button : buttons) {
        widgets::PictureControl* control = controls_.*button.control;
        QObject::connect(control, &widgets::PictureControl::entered, control,
                         [this, &button] { platform::guarded([&] { mouse_enter(button); }); });
        QObject::connect(control, &widgets::PictureControl::left, control,
                         [this, &button] { platform::guarded([&] { mouse_leave(button); }); });
    }
}

void Highlighting::mouse_enter(const Button& button)
{
    widgets::PictureControl* control = controls_.*button.control;
    if (button.only_while_enabled && !control->isEnabled())
        return;
    load_picture(control, paths_.*button.directory + QString::fromUtf8(button.enter_file));
}

void Highlighting::mouse_leave(const Button& button)
{
    widgets::PictureControl* control = controls_.*button.control;
    if (button.only_while_enabled && !control->isEnabled())
        return;
    const QString leave_file = QString::fromUtf8(button.leave_file);
    if (leave_file.isEmpty())
        control->clear_picture();
    else
        load_picture(control, paths_.*button.directory + leave_file);
}

void Highlighting::load_picture(widgets::PictureControl* control, const QString& path)
{
    try {
        control->load_picture(path);
    } catch (const platform::UserError&) {
        if (!reported_failures_.contains(path)) {
            reported_failures_.insert(path);
            throw;
        }
    }
}

} // namespace app
