#include "history/undo_redo.h"

#include "history/snapshot.h"
#include "platform/bmp_codec.h"
#include "platform/error_guard.h"

#include <QFileInfo>

namespace history {

void UndoRedo::connect_handlers()
{
    QObject::connect(controls_.Image46, &platform::PictureControl::pressed, controls_.Image46,
                     [this] { platform::guarded([this] { Image46MouseDown(); }); });
    QObject::connect(controls_.Image47, &platform::PictureControl::pressed, controls_.Image47,
                     [this] { platform::guarded([this] { Image47MouseDown(); }); });
    QObject::connect(controls_.N8, &QAction::triggered, controls_.N8,
                     [this] { platform::guarded([this] { N8Click(); }); });
    QObject::connect(controls_.N9, &QAction::triggered, controls_.N9,
                     [this] { platform::guarded([this] { N9Click(); }); });
}

void UndoRedo::swap_canvas(const QString& save_to, const QString& load_from)
{
    platform::write_bmp(controls_.Image1->picture(), save_to);
    if (QFileInfo(load_from).isFile())
        controls_.Image1->set_picture(platform::read_bmp(load_from));
}

void UndoRedo::Image46MouseDown()
{
    swap_canvas(redo_snapshot_path(state_.paths), undo_snapshot_path(state_.paths));
    controls_.Image46->setEnabled(false);
    controls_.Image47->setEnabled(true);
    controls_.Image46->load_picture(state_.paths.buttons_dir + "назад чб.bmp");
}

void UndoRedo::Image47MouseDown()
{
    swap_canvas(undo_snapshot_path(state_.paths), redo_snapshot_path(state_.paths));
    controls_.Image47->setEnabled(false);
    controls_.Image46->setEnabled(true);
    controls_.Image47->load_picture(state_.paths.buttons_dir + "вперед чб.bmp");
}

void UndoRedo::N8Click()
{
    swap_canvas(redo_snapshot_path(state_.paths), undo_snapshot_path(state_.paths));
}

void UndoRedo::N9Click()
{
    swap_canvas(undo_snapshot_path(state_.paths), redo_snapshot_path(state_.paths));
}

} // namespace history
