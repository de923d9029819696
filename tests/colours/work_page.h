#pragma once

#include "app/form1.h"
#include "app/frame_shape.h"
#include "catalogue/preview_strip.h"
#include "platform/bmp_codec.h"
#include "support/captured_errors.h"
#include "support/test_tree.h"

#include <QtTest>
#include <vector>

namespace work_page {

// The real main window over a private copy of the resource tree, driven by real mouse events.
class Window {
public:
    Window() : form_(tree_.app_dir()) { form_.show(); }

    testing_support::TestTree& tree() { return tree_; }
    app::Form1Controls& controls() { return form_.controls(); }
    app::ProcessState& state() { return form_.state(); }
    drawing::DrawingState& drawing() { return form_.state().drawing; }
    const QStringList& errors() const { return errors_.messages(); }

    QString picture_name(int slot) { return form_.preview_strip().thumbnail(slot)->hint(); }
    void open_picture(int slot = 0)
    {
        QTest::mouseClick(form_.preview_strip().thumbnail(slot), Qt::LeftButton);
    }
    // A picture of the tree, read as the program reads it.
    platform::Bitmap bmp(const QString& relative)
    {
        return platform::read_bmp(tree_.path("res/" + relative));
    }

private:
    testing_support::CapturedErrors errors_;
    testing_support::TestTree tree_;
    app::TForm1 form_;
};

inline void press(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {})
{
    QTest::mousePress(widget, button, {}, at);
    QTest::mouseRelease(widget, button, {}, at);
}

// The 4-connected pixels of the seed's colour around `seed`.
inline std::vector<QPoint> region(const platform::Bitmap& picture, QPoint seed)
{
    std::vector<QPoint> found{seed};
    std::vector<bool> seen(static_cast<std::size_t>(picture.width() * picture.height()));
    seen[static_cast<std::size_t>(seed.y() * picture.width() + seed.x())] = true;
    for (std::size_t i = 0; i < found.size(); ++i)
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = found[i] + step;
            const auto at = static_cast<std::size_t>(next.y() * picture.width() + next.x());
            if (picture.contains(next.x(), next.y()) && !seen[at] &&
                picture.pixel(next.x(), next.y()) == picture.pixel(seed.x(), seed.y())) {
                seen[at] = true;
                found.push_back(next);
            }
        }
    return found;
}

} // namespace work_page
