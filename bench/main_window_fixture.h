#pragma once

#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "formats/bmp_codec.h"
#include "settings/settings.h"
#include "widgets/picture_control.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

// A private application folder: the generated res/ linked in, and empty Tmp/ and save/.
class AppFolder {
public:
    AppFolder()
    {
        QFile::link(QStringLiteral(KOLORITON_RES_DIR), dir_.path() + "/res");
        QDir(dir_.path()).mkdir("Tmp");
        QDir(dir_.path()).mkdir("save");
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// The main window over such a folder, shown, with the first drawing of the catalogue opened from
// its thumbnail (474 x 593), its black pixels kept as outlines when asked.
struct BenchWindow {
    AppFolder folder;
    app::MainWindow form{folder.path()};

    explicit BenchWindow(bool keep_outlines = false)
    {
        // Opening a picture over the drawing is measured without the question about saving it.
        form.set_save_question([] { return app::SaveAnswer::discard; });
        settings::Settings values;
        values.keep_outlines = keep_outlines;
        form.apply_settings(values);
        form.show();
        form.preview_strip().open_slot(0);
        QCoreApplication::processEvents();
    }
    static QString catalogue_drawing(int index)
    {
        const QString folder = QStringLiteral(KOLORITON_RES_DIR "/clipart/");
        return folder + QDir(folder).entryList({"*.bmp"}).at(index);
    }
    widgets::PictureControl* canvas() { return form.controls().canvas; }

    static void send(widgets::PictureControl* control, QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, control->mapTo(control->window(), at), control->mapToGlobal(at),
                          Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &event);
    }
    // Press, optionally drag, release, and let the window repaint what changed.
    static void click(widgets::PictureControl* control, QPoint at, QPoint release)
    {
        send(control, QEvent::MouseButtonPress, at, Qt::LeftButton);
        if (release != at)
            send(control, QEvent::MouseMove, release, Qt::LeftButton);
        send(control, QEvent::MouseButtonRelease, release, Qt::NoButton);
        QCoreApplication::processEvents();
    }
    void click(QPoint at, QPoint release) { click(canvas(), at, release); }
};
