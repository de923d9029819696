#include "history/undo_redo.h"

#include "formats/bmp_codec.h"
#include "history/snapshot.h"
#include "platform/error_guard.h"

#include <QFileInfo>

namespace history {

namespace {

// The enabled state of the button is the one record of whether its swap is offered; the menu item
// follows it, so the menu never offers a swap that would write over the other snapshot.
void follow_button(widgets::PictureControl* button, QAction* action)
{
    action->setEnabled(button->isEnabled());
    QObject::connect(button, &widgets::PictureControl::enabled_changed, action, &QAction::setEnabled);
}

} // namespace

void UndoRedo::connect_handlers()
{
    follow_button(controls_.undo_button, controls_.undo_action);
    follow_button(controls_.redo_button, controls_.redo_action);
    using widgets::PictureControl;
    platform::connect_guarded(controls_.undo_button, &PictureControl::pressed, controls_.undo_button,
                              [this] { undo(); });
    platform::connect_guarded(controls_.redo_button, &PictureControl::pressed, controls_.redo_button,
                              [this] { redo(); });
    platform::connect_guarded(controls_.undo_action, &QAction::triggered, controls_.undo_action,
                              [this] { undo_from_menu(); });
    platform::connect_guarded(controls_.redo_action, &QAction::triggered, controls_.redo_action,
                              [this] { redo_from_menu(); });
}

void UndoRedo::keep_steps(int steps)
{
    if (steps == steps_.limit())
        return;
    steps_ = StepStack(steps);
    forget();
}

void UndoRedo::gesture_changed_canvas()
{
    if (changed_)
        changed_();
}

void UndoRedo::take_snapshot()
{
    if (in_memory()) {
        steps_.push({controls_.canvas->picture(), outlines_.shared_current()});
        offer_steps();
        return;
    }
    formats::write_scratch_bmp(controls_.canvas->picture(), undo_snapshot_path(paths_));
    outlines_.snapshot_taken();
    controls_.undo_button->setEnabled(true);
}

void UndoRedo::line_drawing_opened()
{
    forget();
    outlines_.line_drawing_opened(controls_.canvas->picture());
}

void UndoRedo::drawing_opened()
{
    forget();
    outlines_.drawing_opened(controls_.canvas->picture());
}

void UndoRedo::forget()
{
    steps_.clear();
    controls_.undo_button->setEnabled(false);
    controls_.redo_button->setEnabled(false);
}

void UndoRedo::swap_canvas(const QString& save_to, const QString& load_from)
{
    formats::write_scratch_bmp(controls_.canvas->picture(), save_to);
    if (QFileInfo(load_from).isFile())
        controls_.canvas->set_picture(formats::read_bmp(load_from));
    changes_.mark_swapped();
}

void UndoRedo::show_step(Step step)
{
    controls_.canvas->set_picture(std::move(step.picture));
    outlines_.show(std::move(step.outlines));
    offer_steps();
    gesture_changed_canvas();
}

void UndoRedo::offer_steps()
{
    const std::pair<widgets::PictureControl*, const char*> buttons[] = {
        {controls_.undo_button, "назад чб.bmp"}, {controls_.redo_button, "вперед чб.bmp"}};
    const bool offered[] = {steps_.can_undo(), steps_.can_redo()};
    for (int i = 0; i < 2; ++i) {
        const auto [button, black_and_white] = buttons[i];
        if (button->isEnabled() && !offered[i])
            button->load_picture(paths_.buttons_dir + QString::fromUtf8(black_and_white));
        button->setEnabled(offered[i]);
    }
}

void UndoRedo::undo()
{
    // Many steps need no mark: the drawing is compared with the one saved, so an undo back to it
    // leaves nothing unsaved.
    if (in_memory()) {
        if (steps_.can_undo())
            show_step(steps_.undo({controls_.canvas->picture(), outlines_.shared_current()}));
        return;
    }
    swap_canvas(redo_snapshot_path(paths_), undo_snapshot_path(paths_));
    outlines_.undone();
    controls_.undo_button->setEnabled(false);
    controls_.redo_button->setEnabled(true);
    controls_.undo_button->load_picture(paths_.buttons_dir + "назад чб.bmp");
    gesture_changed_canvas();
}

void UndoRedo::redo()
{
    if (in_memory()) {
        if (steps_.can_redo())
            show_step(steps_.redo({controls_.canvas->picture(), outlines_.shared_current()}));
        return;
    }
    swap_canvas(undo_snapshot_path(paths_), redo_snapshot_path(paths_));
    outlines_.redone();
    controls_.redo_button->setEnabled(false);
    controls_.undo_button->setEnabled(true);
    controls_.redo_button->load_picture(paths_.buttons_dir + "вперед чб.bmp");
    gesture_changed_canvas();
}

void UndoRedo::undo_from_menu()
{
    if (controls_.undo_button->isEnabled())
        undo();
}

void UndoRedo::redo_from_menu()
{
    if (controls_.redo_button->isEnabled())
        redo();
}

} // namespace history
