#pragma once

#include "platform/bitmap.h"

#include <QWidget>

namespace platform {

// The layout's picture control: a widget that shows one Bitmap with the display flags of the
// window layout and reports the mouse as the handlers expect it. Moves are reported with or
// without a button held; from a press to its release the control keeps the mouse, so moves and
// the release outside it arrive with coordinates outside it. A disabled control reports no
// presses, moves or releases, but enter and leave still, as the layout's toolkit does.
class PictureControl : public QWidget {
    Q_OBJECT

public:
    explicit PictureControl(QWidget* parent = nullptr);

    // Loads a picture file as read_picture_file() reads it. Throws FileError or ImageError and
    // then keeps the picture it had.
    void load_picture(const QString& path);
    void set_picture(Bitmap picture);
    void clear_picture();
    bool has_picture() const { return !picture_.is_null(); }
    const Bitmap& picture() const { return picture_; }
    // For in-place drawing: call picture_changed() with the rectangle afterwards.
    Bitmap& picture() { return picture_; }
    // Repaints only the part of the control that shows `area` of the picture.
    void picture_changed(const QRect& area);

    // Takes the picture's size on every load, keeping left and top.
    void set_auto_size(bool on);
    void set_stretch(bool on);
    void set_proportional(bool on);
    void set_centre(bool on);
    // The colour of the picture's bottom-left pixel is not drawn.
    void set_transparent(bool on);
    bool auto_size() const { return auto_size_; }
    bool stretch() const { return stretch_; }
    bool proportional() const { return proportional_; }
    bool centre() const { return centre_; }
    bool transparent() const { return transparent_; }

    void set_hint(const QString& hint);
    QString hint() const { return hint_; }
    void set_show_hint(bool on);
    bool show_hint() const { return show_hint_; }

    // Where the picture is drawn inside the control, after stretch, proportional and centre.
    QRect picture_rect() const;

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // Left button pressed and released over the control.
    void clicked();
    void entered();
    void left();
    // The control became enabled or disabled, by itself or with its parent.
    void enabled_changed(bool enabled);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void picture_replaced();
    // An opaque RGB32 picture, such as the canvas, is drawn straight from its own pixels, so a
    // press repaints without copying them; an indexed or transparent one through shown_.
    bool needs_shown_copy() const;
    const QImage& displayed() const;
    // The copy as drawn: RGB32, or ARGB32 with the transparent colour cleared when transparent.
    void rebuild_shown();
    void refresh_shown(const QRect& area);
    // The part of the control that shows `area` of the picture.
    QRect control_area(const QRect& area) const;

    Bitmap picture_;
    QImage shown_;
    QSize shown_size_{0, 0}; // the picture's size when shown_ was last rebuilt
    bool auto_size_ = false;
    bool stretch_ = false;
    bool proportional_ = false;
    bool centre_ = false;
    bool transparent_ = false;
    bool show_hint_ = false;
    bool left_down_inside_ = false;
    QString hint_;
};

} // namespace platform
