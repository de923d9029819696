#include "app/form1_layout.h"

#include "app/fonts.h"
#include "app/frame_shape.h"
#include "platform/error_guard.h"

#include <QFont>
#include <QRect>
#include <variant>

namespace app {

namespace {

using Picture = platform::PictureControl;
using PictureSlot = Picture* Form1Controls::*;
using ShapeSlot = FrameShape* Form1Controls::*;

enum Display : unsigned {
    plain = 0,
    auto_size = 1u << 0,
    stretch = 1u << 1,
    proportional = 1u << 2,
    centre = 1u << 3,
    transparent = 1u << 4,
};

enum Flag : unsigned {
    none = 0,
    disabled = 1u << 0,
    hidden = 1u << 1,
    hand = 1u << 2,
    // The hint is carried but not shown.
    quiet_hint = 1u << 3,
    // The control carries a design-time picture compiled in as ":/design/<name>.bmp".
    design = 1u << 4,
};

struct LayoutRow {
    const char* name;
    std::variant<PictureSlot, ShapeSlot> slot;
    QRect geometry;
    unsigned display;
    const char* hint;
    unsigned flags;
};

constexpr unsigned jar = auto_size | transparent;
constexpr unsigned bar_button = stretch | proportional | transparent | centre;
constexpr unsigned scroll = stretch | proportional | transparent;
constexpr unsigned clickable = hand | design;
const QColor frame_yellow(255, 255, 0);

const char* const base_colour_hint = "[Выбор базового цвета]";

// clang-format off
const LayoutRow layout_rows[] = {
    {"Image3",  &Form1Controls::Image3,  {0, 0, 997, 698},    plain,                 "", design},
    {"Image1",  &Form1Controls::Image1,  {213, 10, 474, 593}, auto_size | centre,    "", hidden | design},
    {"Image2",  &Form1Controls::Image2,  {11, 50, 143, 143},  plain,                 "", hidden},
    {"Image4",  &Form1Controls::Image4,  {760, 10, 52, 73},   jar, base_colour_hint, disabled | clickable},
    {"Image5",  &Form1Controls::Image5,  {818, 10, 52, 72},   jar, base_colour_hint, disabled | clickable},
    {"Image6",  &Form1Controls::Image6,  {876, 10, 52, 72},   jar, base_colour_hint, disabled | clickable},
    {"Image7",  &Form1Controls::Image7,  {934, 10, 52, 75},   jar, base_colour_hint, disabled | clickable},
    {"Image8",  &Form1Controls::Image8,  {760, 88, 52, 73},   jar, base_colour_hint, disabled | clickable},
    {"Image9",  &Form1Controls::Image9,  {818, 88, 53, 75},   jar, base_colour_hint, disabled | clickable},
    {"Image10", &Form1Controls::Image10, {877, 88, 52, 73},   jar, base_colour_hint, disabled | clickable},
    {"Image11", &Form1Controls::Image11, {760, 184, 230, 30}, auto_size, "[Выбор цвета]", disabled | design},
    {"Image12", &Form1Controls::Image12, {763, 277, 24, 24},  jar, "[Размер кисти 3]", disabled | clickable},
    {"Image13", &Form1Controls::Image13, {767, 310, 16, 16},  jar, "[Размер кисти 2]", disabled | clickable},
    {"Image14", &Form1Controls::Image14, {771, 335, 8, 8},    jar, "[Размер кисти 1]", disabled | clickable},
    {"Image15", &Form1Controls::Image15, {799, 238, 70, 92},  jar | stretch, "[Кисть]", disabled | clickable},
    {"Image16", &Form1Controls::Image16, {875, 238, 84, 102}, jar, "[Заливка]", disabled | clickable},
    {"Image23", &Form1Controls::Image23, {10, 562, 123, 39},  scroll, "[Вниз]", clickable},
    {"Image24", &Form1Controls::Image24, {10, 8, 123, 36},    scroll, "[Вверх]", clickable},
    {"Image25", &Form1Controls::Image25, {886, 346, 73, 59},  jar, "[Стерашка]", disabled | clickable},
    {"Image26", &Form1Controls::Image26, {778, 448, 80, 21},  jar, "[Фотография]", hidden | quiet_hint | clickable},
    {"Image27", &Form1Controls::Image27, {848, 448, 120, 21}, jar, "[Описание]", hidden | quiet_hint | clickable},
    {"Shape1",  &Form1Controls::Shape1,  {776, 473, 204, 204}, plain, "", hidden},
    {"Image29", &Form1Controls::Image29, {799, 346, 52, 63},  jar, "[Пробник цвета]", disabled | clickable},
    {"Image32", &Form1Controls::Image32, {965, 127, 105, 105}, plain, "", hidden},
    {"Image33", &Form1Controls::Image33, {757, 238, 36, 36},  jar, "[Размер кисти 4]", disabled | clickable},
    {"Image34", &Form1Controls::Image34, {874, 418, 24, 24},  auto_size, "[Нарисовать прямоугольник]", disabled | clickable},
    {"Image35", &Form1Controls::Image35, {844, 418, 24, 24},  auto_size, "[Нарисовать скругленный прямоугольник]", disabled | clickable},
    {"Image36", &Form1Controls::Image36, {904, 418, 24, 24},  auto_size, "[Нарисовать круг]", disabled | clickable},
    {"Image37", &Form1Controls::Image37, {935, 418, 24, 24},  auto_size, "[Нарисовать линию]", disabled | clickable},
    {"Image41", &Form1Controls::Image41, {264, 609, 388, 81}, proportional | centre | transparent, "", design},
    {"Image31", &Form1Controls::Image31, {388, 610, 140, 76}, bar_button, "[Открыть картинку]", hand},
    {"Image40", &Form1Controls::Image40, {600, 609, 45, 77},  bar_button, "[Выход]", hand},
    {"Image30", &Form1Controls::Image30, {540, 645, 42, 40},  bar_button, "[Сохранить]", hand},
    {"Image39", &Form1Controls::Image39, {266, 610, 55, 76},  bar_button, "[Главная]", hand},
    {"Image42", &Form1Controls::Image42, {334, 645, 40, 42},  bar_button, "[Печать]", hand},
    {"Shape2",  &Form1Controls::Shape2,  {963, 236, 28, 27},  plain, "", hidden},
    {"Shape3",  &Form1Controls::Shape3,  {963, 266, 28, 27},  plain, "", hidden},
    {"Shape4",  &Form1Controls::Shape4,  {963, 296, 28, 27},  plain, "", hidden},
    {"Shape5",  &Form1Controls::Shape5,  {963, 327, 28, 27},  plain, "", hidden},
    {"Shape6",  &Form1Controls::Shape6,  {963, 357, 28, 27},  plain, "", hidden},
    {"Shape7",  &Form1Controls::Shape7,  {963, 387, 28, 27},  plain, "", hidden},
    {"Image17", &Form1Controls::Image17, {965, 238, 24, 24},  plain, "[Сплошная заливка]", disabled | clickable},
    {"Image18", &Form1Controls::Image18, {965, 268, 24, 24},  auto_size, "[Горизонтальная заливка]", disabled | clickable},
    {"Image19", &Form1Controls::Image19, {965, 298, 24, 24},  auto_size, "[Вертикальная заливка]", disabled | clickable},
    {"Image20", &Form1Controls::Image20, {965, 328, 24, 24},  auto_size, "[Заливка с наклоном вправо]", disabled | clickable},
    {"Image21", &Form1Controls::Image21, {965, 358, 24, 24},  auto_size, "[Заливка с наклоном влево]", disabled | clickable},
    {"Image22", &Form1Controls::Image22, {965, 388, 24, 24},  auto_size, "[Заливка сеткой]", disabled | clickable},
    {"Image43", &Form1Controls::Image43, {814, 418, 24, 24},  auto_size, "[Нарисовать треугольник]", clickable},
    {"Image44", &Form1Controls::Image44, {784, 418, 24, 24},  auto_size, "[Нарисовать ромб]", clickable},
    {"Image28", &Form1Controls::Image28, {778, 475, 200, 200}, stretch, "", hidden},
    {"Image45", &Form1Controls::Image45, {936, 88, 53, 73},   jar, base_colour_hint, disabled | clickable},
    {"Image46", &Form1Controls::Image46, {8, 625, 57, 57},    scroll, "[Отменить последнее действие]", disabled | clickable},
    {"Image47", &Form1Controls::Image47, {75, 625, 58, 57},   scroll, "[Повторить последнее действие]", disabled | clickable},
};
// clang-format on

QString design_picture(const QString& name)
{
    // The start page background is the one design picture kept as a JPEG.
    return ":/design/" + name + (name == "Image3" ? ".jpg" : ".bmp");
}

void apply_display(Picture* picture, unsigned display)
{
    picture->set_auto_size(display & auto_size);
    picture->set_stretch(display & stretch);
    picture->set_proportional(display & proportional);
    picture->set_centre(display & centre);
    picture->set_transparent(display & transparent);
}

QWidget* create_picture(Form1Controls& controls, PictureSlot slot, const LayoutRow& row, QWidget* client)
{
    auto* picture = new Picture(client);
    controls.*slot = picture;
    picture->setGeometry(row.geometry);
    apply_display(picture, row.display);
    if (row.flags & design)
        platform::guarded([&] { picture->load_picture(design_picture(row.name)); });
    const QString hint = QString::fromUtf8(row.hint);
    picture->set_hint(hint);
    picture->set_show_hint(!hint.isEmpty() && !(row.flags & quiet_hint));
    if (row.flags & hand)
        picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

QWidget* create_shape(Form1Controls& controls, ShapeSlot slot, const LayoutRow& row, QWidget* client)
{
    // Shape1 frames the photograph in the default black pen; the pattern frames are yellow.
    const bool photograph_frame = slot == &Form1Controls::Shape1;
    auto* shape = new FrameShape(photograph_frame ? QColor(Qt::black) : frame_yellow, client);
    controls.*slot = shape;
    shape->setGeometry(row.geometry);
    return shape;
}

void create_list_and_text(Form1Controls& controls, QWidget* client)
{
    controls.ListBox1 = new QListWidget(client);
    controls.ListBox1->setObjectName("ListBox1");
    controls.ListBox1->setGeometry(708, 104, 37, 32);
    controls.ListBox1->hide();

    controls.sRichEdit1 = new QTextBrowser(client);
    controls.sRichEdit1->setObjectName("sRichEdit1");
    controls.sRichEdit1->setGeometry(778, 475, 200, 200);
    controls.sRichEdit1->setReadOnly(true);
    controls.sRichEdit1->setFrameShape(QFrame::NoFrame);
    controls.sRichEdit1->setOpenLinks(false);
    controls.sRichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    controls.sRichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = layout_font();
    font.setPointSize(10);
    controls.sRichEdit1->setFont(font);
    controls.sRichEdit1->hide();
}

} // namespace

void create_layout(Form1Controls& controls, QWidget* client)
{
    for (const LayoutRow& row : layout_rows) {
        QWidget* widget = std::visit(
            [&](auto slot) -> QWidget* {
                if constexpr (std::is_same_v<decltype(slot), PictureSlot>)
                    return create_picture(controls, slot, row, client);
                else
                    return create_shape(controls, slot, row, client);
            },
            row.slot);
        widget->setObjectName(row.name);
        widget->setEnabled(!(row.flags & disabled));
        widget->setVisible(!(row.flags & hidden));
    }
    // Real child windows stand above every picture control.
    create_list_and_text(controls, client);
}

} // namespace app
