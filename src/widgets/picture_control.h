#pragma once

#include "pixels/bitmap.h"
#include "widgets/dense_picture.h"

#include <QWidget>
#include <optional>

namespace widgets {

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
    // then keeps the picture it had. Where the screen shows more device pixels than the picture
    // has, the file's denser rendering beside it (name@2x.ext, name@3x.ext) is drawn instead,
    // read when the control is first painted at that density, so start-up reads only what it shows.
    void load_picture(const QString& path);
    void set_picture(pixels::Bitmap picture);
    // A picture with its denser rendering (whose device pixel ratio says its density).
    void set_picture(pixels::Bitmap picture, const QImage& dense);
    void clear_picture();
    bool has_picture() const { return !picture_.is_null(); }
    const pixels::Bitmap& picture() const { return picture_; }
    // For in-place drawing: call picture_changed() with the rectangle afterwards.
    pixels::Bitmap& picture() { return picture_; }
    // Repaints only the part of the control that shows `area` of the picture.
    void picture_changed(const QRect& area);

    // Takes the picture's size on every load, keeping left and top.
    void set_auto_size(bool on);
    void set_stretch(bool on);
    void set_proportional(bool on);
    void set_centre(bool on);
    // The colour of the picture's bottom-left pixel is not drawn.
    void set_transparent(bool on);
    // A disabled control is drawn faded over what lies under it, so a child sees that it does
    // nothing; a picture that is only shown, never pressed, can keep its own look.
    void set_fades_when_disabled(bool on);
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

    // The density of rendering the screen needs for this control: 1, or 2 and more where a
    // logical pixel covers more device pixels (the screen's scale, a scaled whole-screen view).
    int wanted_density() const;
    // The density of the rendering drawn at the last paint: 1 for the picture itself.
    int shown_density() const { return shown_density_; }
    // The picture pixel shown under `position` (control coordinates, with the fraction a device
    // pixel of a scaled screen has): Qt shows a scaled picture's pixel on the device pixels whose
    // top-left corner falls in it, so a press takes the pixel the child sees at every scale.
    QPoint picture_pixel_at(QPointF position) const;
    // The colour shown under `position` (control coordinates), from the denser rendering where
    // it is drawn; none outside the picture.
    std::optional<QRgb> colour_shown_at(QPointF position) const;
    // Where the last press was, in control coordinates with their fractions.
    QPointF press_position() const { return press_position_; }

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
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void replace_picture(pixels::Bitmap picture);
    void picture_replaced();
    // Reads the denser rendering of a loaded file once a paint needs `density`.
    void look_for_density(int density);
    // A control whose opaque picture covers all of it paints each of its pixels, so what lies
    // under it is not painted first (on a scaled view, the page's smoothed picture under every
    // repaint of the canvas).
    void update_opaque();
    // A picture on a scaled screen or view: each picture pixel as a sharp block of the device
    // pixels whose top-left corner falls in it, never blended, so the child sees, and the pipette
    // and the fill take, the picture's own colours where the press lands; a transparent one keeps
    // its cleared pixels cleared.
    void paint_blocks(QPainter& painter, const QImage& image, const QRect& target, const QRect& dirty);
    bool faded() const { return fades_when_disabled_ && !isEnabled(); }
    // The event's position in control coordinates with its fraction of a logical pixel.
    QPointF exact_position(const QMouseEvent* event) const;
    // An opaque RGB32 picture, such as the canvas, is drawn straight from its own pixels, so a
    // press repaints without copying them; an indexed or transparent one through shown_.
    bool needs_shown_copy() const;
    const QImage& displayed() const;
    // The copy as drawn: RGB32, or ARGB32 with the transparent colour cleared when transparent.
    void rebuild_shown();
    void refresh_shown(const QRect& area);
    // The part of the control that shows `area` of the picture.
    QRect control_area(const QRect& area) const;

    pixels::Bitmap picture_;
    QString source_path_;      // the file the picture came from, while it has a denser rendering
    pixels::Bitmap as_loaded_; // the picture as read from source_path_ (shared until drawn on)
    DensePicture dense_;
    int looked_for_density_ = 1;
    int shown_density_ = 1;
    qreal painted_scale_ = 1.0; // device pixels a logical pixel at the last paint
    QPointF press_position_;
    QImage shown_;
    QSize shown_size_{0, 0}; // the picture's size when shown_ was last rebuilt
    bool auto_size_ = false;
    bool stretch_ = false;
    bool proportional_ = false;
    bool centre_ = false;
    bool transparent_ = false;
    bool fades_when_disabled_ = true;
    bool show_hint_ = false;
    bool left_down_inside_ = false;
    QString hint_;
};

} // namespace widgets
