#include "app/sound_cues.h"

#include <QEvent>

namespace app {

using sound::Cue;
using widgets::PictureControl;

SoundCues::SoundCues(const MainWindowControls& controls, const core::DrawingState& drawing,
                     const core::Allowances& allowed, QObject* parent)
    : QObject(parent), controls_(controls), drawing_(drawing), allowed_(allowed)
{
}

void SoundCues::on_press(QObject* sender, Cue cue)
{
    connect(static_cast<PictureControl*>(sender), &PictureControl::pressed, this,
            [this, cue] { player_.play(cue); });
}

void SoundCues::on_click(QObject* sender, Cue cue)
{
    connect(static_cast<PictureControl*>(sender), &PictureControl::clicked, this,
            [this, cue] { player_.play(cue); });
}

void SoundCues::on_action(QAction* action, Cue cue)
{
    connect(action, &QAction::triggered, this, [this, cue] { player_.play(cue); });
}

void SoundCues::play_if(bool allowed, Cue cue)
{
    player_.play(allowed ? cue : Cue::refusal);
}

void SoundCues::connect_handlers()
{
    const MainWindowControls& c = controls_;
    for (PictureControl* jar : c.jars())
        on_press(jar, Cue::jar);
    on_press(c.shade_strip, Cue::shade);
    for (PictureControl* button : c.tool_buttons())
        on_press(button, Cue::tool);
    for (PictureControl* button : c.pattern_buttons())
        on_press(button, Cue::pattern);
    for (PictureControl* button : c.size_buttons())
        on_press(button, Cue::size);
    connect(c.canvas, &PictureControl::pressed, this, &SoundCues::canvas_pressed);
    on_press(c.undo_button, Cue::undo);
    on_press(c.redo_button, Cue::redo);
    // The menu items run their button's step only while it is offered.
    connect(c.undo_action, &QAction::triggered, this,
            [this] { play_if(controls_.undo_button->isEnabled(), Cue::undo); });
    connect(c.redo_action, &QAction::triggered, this,
            [this] { play_if(controls_.redo_button->isEnabled(), Cue::redo); });
    on_click(c.home_button, Cue::start_page);
    on_action(c.home_action, Cue::start_page);
    on_click(c.save_button, Cue::save);
    connect(c.save_action, &QAction::triggered, this, [this] { play_if(allowed_.saving, Cue::save); });
    on_click(c.open_button, Cue::open_picture);
    connect(c.open_action, &QAction::triggered, this,
            [this] { play_if(allowed_.opening, Cue::open_picture); });
    connect(c.print_action, &QAction::triggered, this, [this] {
        if (!allowed_.printing)
            player_.play(Cue::refusal);
    });
    for (QObject* greyable : std::initializer_list<QObject*>{c.save_button, c.open_button, c.print_button,
                                                             c.undo_button, c.redo_button})
        greyable->installEventFilter(this);
}

void SoundCues::connect_thumbnails(const std::vector<PictureControl*>& thumbnails)
{
    for (PictureControl* thumbnail : thumbnails)
        on_click(thumbnail, Cue::open_picture);
}

void SoundCues::canvas_pressed()
{
    if (drawing_.eraser_mode)
        player_.play(Cue::eraser);
    else if (drawing_.current_tool == core::Tool::brush)
        player_.play(Cue::stroke);
    else if (drawing_.current_tool == core::Tool::fill)
        player_.play(Cue::fill);
    else if (drawing_.current_tool == core::Tool::pipette)
        player_.play(Cue::pipette);
    else
        player_.play(Cue::shape);
}

void SoundCues::apply(bool enabled, int volume, bool switch_locked)
{
    player_.set_enabled(enabled);
    player_.set_volume(volume);
    switch_locked_ = switch_locked;
}

void SoundCues::toggle()
{
    if (!switch_locked_)
        player_.set_enabled(!player_.is_enabled());
}

bool SoundCues::eventFilter(QObject* watched, QEvent* event)
{
    // A greyed control takes no press; the sound tells the child it was heard.
    if (event->type() == QEvent::MouseButtonPress && !static_cast<QWidget*>(watched)->isEnabled())
        player_.play(Cue::refusal);
    return false;
}

} // namespace app
