#include "output/help_window.h"

#include "app/frame_shape.h"

#include <QShowEvent>

namespace output {

TForm3::TForm3(QWidget* main_window, const app::Form1Controls& controls, QWidget* parent)
    : QDialog(parent), main_window_(main_window), controls_(controls)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Справка"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(client_size);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    Image1 = new platform::PictureControl(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());
}

HelpPicture TForm3::refresh_picture()
{
    QImage shot = main_window_->grab().toImage();
    if (shot.size() != main_window_->size())
        shot = shot.scaled(main_window_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shot.setDevicePixelRatio(1);
    HelpPicture help = draw_help_picture(shot, callouts());
    Image1->set_picture(platform::Bitmap::from_image(help.image));
    return help;
}

void TForm3::showEvent(QShowEvent* event)
{
    // The picture shows the main window as the child sees it now, on whichever page.
    if (!event->spontaneous())
        refresh_picture();
    QDialog::showEvent(event);
}

QRect TForm3::in_window(const QWidget* control) const
{
    return QRect(control->mapTo(main_window_, QPoint(0, 0)), control->size());
}

QRect TForm3::in_window(std::initializer_list<const QWidget*> controls) const
{
    QRect united;
    for (const QWidget* control : controls)
        united = united.united(in_window(control));
    return united;
}

QList<Callout> TForm3::callouts() const
{
    const app::Form1Controls& c = controls_;
    // The thumbnails are made at run time between the two scroll buttons.
    const QRect up = in_window(c.Image24);
    const QRect strip(up.left(), up.bottom() + 1, up.width(), in_window(c.Image23).top() - up.bottom() - 1);
    QRect jars;
    for (const QWidget* jar : c.jars())
        jars = jars.united(in_window(jar));
    return {
        {QStringLiteral("Навигация по картинкам"), Side::left, {up, in_window(c.Image23)}},
        {QStringLiteral("Выбор картинки для раскраски"), Side::left, {strip}},
        {QStringLiteral("Отмена и повтор"), Side::left, {in_window(c.Image46), in_window(c.Image47)}},
        {QStringLiteral("Поле для рисования"), Side::top, {in_window(c.Image1)}},
        {QStringLiteral("Базовый цвет"), Side::right, {jars}},
        {QStringLiteral("Дополнительный цвет"), Side::right, {in_window(c.Image11)}},
        {QStringLiteral("Толщина линии"),
         Side::right,
         {in_window({c.Image33, c.Image12, c.Image13, c.Image14})}},
        {QStringLiteral("Инструменты рисования"),
         Side::right,
         {in_window({c.Image15, c.Image16, c.Image25, c.Image29})}},
        {QStringLiteral("Штриховка"),
         Side::right,
         {in_window({c.Image17, c.Image18, c.Image19, c.Image20, c.Image21, c.Image22})}},
        {QStringLiteral("Фигуры"),
         Side::right,
         {in_window({c.Image44, c.Image43, c.Image35, c.Image34, c.Image36, c.Image37})}},
        {QStringLiteral("Фотография и описание"), Side::right, {in_window({c.Image26, c.Image27, c.Shape1})}},
        {QStringLiteral("Главная"), Side::bottom, {in_window(c.Image39)}},
        {QStringLiteral("Печать"), Side::bottom, {in_window(c.Image42)}},
        {QStringLiteral("Открыть"), Side::bottom, {in_window(c.Image31)}},
        {QStringLiteral("Сохранить"), Side::bottom, {in_window(c.Image30)}},
        {QStringLiteral("Выход"), Side::bottom, {in_window(c.Image40)}},
    };
}

} // namespace output
