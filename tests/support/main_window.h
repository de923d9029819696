#pragma once

#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "formats/bmp_codec.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QtTest>

namespace testing_support {

// The real main window over a private copy of the resource tree, driven by real mouse events.
class MainWindow {
public:
    // A drawing with unsaved changes is left without saving, as a child who answers "Нет".
    MainWindow() : MainWindow(settings::Settings{}) {}
    // Started with the adults' settings `values`, as the program applies those of its files.
    explicit MainWindow(const settings::Settings& values) : form_(tree_.app_dir())
    {
        form_.set_save_question([] { return app::SaveAnswer::discard; });
        form_.apply_settings(values);
        form_.show();
        wait_for_thumbnails();
    }

    TestTree& tree() { return tree_; }
    app::MainWindow& form() { return form_; }
    app::MainWindowControls& controls() { return form_.controls(); }
    core::ProcessState& state() { return form_.state(); }
    core::DrawingState& drawing() { return form_.state().drawing; }
    const QStringList& errors() const { return errors_.messages(); }

    // Thumbnails are decoded off the interface thread; a check of what the strip shows waits for them.
    void wait_for_thumbnails()
    {
        QVERIFY(QTest::qWaitFor([this] { return form_.preview_strip().settled(); }));
    }
    QString picture_name(int slot) { return form_.preview_strip().thumbnail(slot)->hint(); }
    void open_picture(int slot = 0)
    {
        QTest::mouseClick(form_.preview_strip().thumbnail(slot), Qt::LeftButton);
    }
    // A picture of the tree, read as the program reads it.
    pixels::Bitmap bmp(const QString& relative) { return formats::read_bmp(tree_.path("res/" + relative)); }

private:
    CapturedErrors errors_;
    TestTree tree_;
    app::MainWindow form_;
};

// A press and release of `button` at `at`, as a child clicks with any button.
inline void press(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {})
{
    QTest::mousePress(widget, button, {}, at);
    QTest::mouseRelease(widget, button, {}, at);
}

} // namespace testing_support
