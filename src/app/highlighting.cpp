#include "app/highlighting.h"

#include "platform/error_guard.h"

namespace app {

namespace {

using Button = Highlighting::Button;

// clang-format off
const Button buttons[] = {
    {&Form1Controls::Image23, &ResourcePaths::buttons_dir,   "вн_.bmp",        "вн.bmp",         false},
    {&Form1Controls::Image24, &ResourcePaths::buttons_dir,   "вв_.bmp",        "вв.bmp",         false},
    {&Form1Controls::Image46, &ResourcePaths::buttons_dir,   "назад.bmp",      "назад чб.bmp",   true},
    {&Form1Controls::Image47, &ResourcePaths::buttons_dir,   "вперед.bmp",     "вперед чб.bmp",  true},
    {&Form1Controls::Image39, &ResourcePaths::interface_dir, "главная!.bmp",   "",               false},
    {&Form1Controls::Image42, &ResourcePaths::interface_dir, "печать!.bmp",    "",               false},
    {&Form1Controls::Image31, &ResourcePaths::interface_dir, "открыть!.bmp",   "",               false},
    {&Form1Controls::Image30, &ResourcePaths::interface_dir, "сохранить!.bmp", "",               false},
    {&Form1Controls::Image40, &ResourcePaths::interface_dir, "выход!.bmp",     "",               false},
};
// clang-format on

} // namespace

void Highlighting::connect_handlers()
{
    for (const Button& button : buttons) {
        platform::PictureControl* control = controls_.*button.control;
        QObject::connect(control, &platform::PictureControl::entered, control,
                         [this, &button] { platform::guarded([&] { mouse_enter(button); }); });
        QObject::connect(control, &platform::PictureControl::left, control,
                         [this, &button] { platform::guarded([&] { mouse_leave(button); }); });
    }
}

void Highlighting::mouse_enter(const Button& button)
{
    platform::PictureControl* control = controls_.*button.control;
    if (button.only_while_enabled && !control->isEnabled())
        return;
    control->load_picture(state_.paths.*button.directory + QString::fromUtf8(button.enter_file));
}

void Highlighting::mouse_leave(const Button& button)
{
    platform::PictureControl* control = controls_.*button.control;
    if (button.only_while_enabled && !control->isEnabled())
        return;
    const QString leave_file = QString::fromUtf8(button.leave_file);
    if (leave_file.isEmpty())
        control->clear_picture();
    else
        control->load_picture(state_.paths.*button.directory + leave_file);
}

} // namespace app
