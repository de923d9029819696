#include "output/help_window.h"

#include "core/frame_shape.h"

#include <QShowEvent>

namespace output {

HelpWindow::HelpWindow(QWidget* main_window, const core::MainWindowControls& controls, QWidget* parent)
    : QDialog(parent), main_window_(main_window), controls_(controls)
{
    setObjectName(QStringLiteral("help_window"));
    setWindowTitle(QStringLiteral("Справка"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(client_size);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    help_view = new platform::PictureControl(this);
    help_view->setObjectName(QStringLiteral("help_view"));
    help_view->setGeometry(rect());
}

HelpPicture HelpWindow::refresh_picture()
{
    QImage shot = main_window_->grab().toImage();
    if (shot.size() != main_window_->size())
        shot = shot.scaled(main_window_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shot.setDevicePixelRatio(1);
    HelpPicture help = draw_help_picture(shot, callouts());
    help_view->set_picture(platform::Bitmap::from_image(help.image));
    return help;
}

void HelpWindow::showEvent(QShowEvent* event)
{
    // The picture shows the main window as the child sees it now, on whichever page.
    if (!event->spontaneous())
        refresh_picture();
    QDialog::showEvent(event);
}

QRect HelpWindow::in_window(const QWidget* control) const
{
    return QRect(control->mapTo(main_window_, QPoint(0, 0)), control->size());
}

QRect HelpWindow::in_window(std::initializer_list<const QWidget*> controls) const
{
    QRect united;
    for (const QWidget* control : controls)
        united = united.united(in_window(control));
    return united;
}

QList<Callout> HelpWindow::callouts() const
{
    const core::MainWindowControls& c = controls_;
    // The thumbnails are made at run time between the two scroll buttons.
    const QRect up = in_window(c.strip_up_button);
    const QRect strip(up.left(), up.bottom() + 1, up.width(),
                      in_window(c.strip_down_button).top() - up.bottom() - 1);
    QRect jars;
    for (const QWidget* jar : c.jars())
        jars = jars.united(in_window(jar));
    return {
        {QStringLiteral("Навигация по картинкам"), Side::left, {up, in_window(c.strip_down_button)}},
        {QStringLiteral("Выбор картинки для раскраски"), Side::left, {strip}},
        {QStringLiteral("Отмена и повтор"), Side::left, {in_window(c.undo_button), in_window(c.redo_button)}},
        {QStringLiteral("Поле для рисования"), Side::top, {in_window(c.canvas)}},
        {QStringLiteral("Базовый цвет"), Side::right, {jars}},
        {QStringLiteral("Дополнительный цвет"), Side::right, {in_window(c.shade_strip)}},
        {QStringLiteral("Толщина линии"),
         Side::right,
         {in_window({c.size_4_button, c.size_3_button, c.size_2_button, c.size_1_button})}},
        {QStringLiteral("Инструменты рисования"),
         Side::right,
         {in_window({c.brush_button, c.bucket_button, c.eraser_button, c.pipette_button})}},
        {QStringLiteral("Штриховка"),
         Side::right,
         {in_window({c.solid_pattern_button, c.horizontal_pattern_button, c.vertical_pattern_button,
                     c.right_slope_pattern_button, c.left_slope_pattern_button, c.grid_pattern_button})}},
        {QStringLiteral("Фигуры"),
         Side::right,
         {in_window({c.rhombus_button, c.triangle_button, c.rounded_rectangle_button, c.rectangle_button,
                     c.ellipse_button, c.line_button})}},
        {QStringLiteral("Фотография и описание"),
         Side::right,
         {in_window({c.photo_tab, c.description_tab, c.info_frame})}},
        {QStringLiteral("Главная"), Side::bottom, {in_window(c.home_button)}},
        {QStringLiteral("Печать"), Side::bottom, {in_window(c.print_button)}},
        {QStringLiteral("Открыть"), Side::bottom, {in_window(c.open_button)}},
        {QStringLiteral("Сохранить"), Side::bottom, {in_window(c.save_button)}},
        {QStringLiteral("Выход"), Side::bottom, {in_window(c.exit_button)}},
    };
}

} // namespace output
