#include "app/main_window_layout.h"

#include "core/fonts.h"
#include "core/frame_shape.h"
#include "history/fitted_picture.h"
#include "platform/error_guard.h"
#include "widgets/read_only_text_box.h"

#include <QCoreApplication>
#include <QFont>
#include <QRect>
#include <variant>

namespace app {

namespace {

using Picture = widgets::PictureControl;
using PictureSlot = Picture* app::MainWindowControls::*;
using ShapeSlot = core::FrameShape* app::MainWindowControls::*;

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

const char* const base_colour_hint = QT_TRANSLATE_NOOP("app::MainWindow", "[Выбор базового цвета]");

// clang-format off
const LayoutRow layout_rows[] = {
    {"page_background",  &app::MainWindowControls::page_background,  {0, 0, 997, 698},    plain,                 "", design},
    {"canvas",  &app::MainWindowControls::canvas,  {{213, 10}, history::canvas_frame}, auto_size | centre,    "", hidden | design},
    {"strip_slot_model",  &app::MainWindowControls::strip_slot_model,  {11, 50, 143, 143},  plain,                 "", hidden},
    {"red_jar",  &app::MainWindowControls::red_jar,  {760, 10, 52, 73},   jar, base_colour_hint, disabled | clickable},
    {"orange_jar",  &app::MainWindowControls::orange_jar,  {818, 10, 52, 72},   jar, base_colour_hint, disabled | clickable},
    {"yellow_jar",  &app::MainWindowControls::yellow_jar,  {876, 10, 52, 72},   jar, base_colour_hint, disabled | clickable},
    {"green_jar",  &app::MainWindowControls::green_jar,  {934, 10, 52, 75},   jar, base_colour_hint, disabled | clickable},
    {"light_blue_jar",  &app::MainWindowControls::light_blue_jar,  {760, 88, 52, 73},   jar, base_colour_hint, disabled | clickable},
    {"blue_jar",  &app::MainWindowControls::blue_jar,  {818, 88, 53, 75},   jar, base_colour_hint, disabled | clickable},
    {"violet_jar", &app::MainWindowControls::violet_jar, {877, 88, 52, 73},   jar, base_colour_hint, disabled | clickable},
    {"shade_strip", &app::MainWindowControls::shade_strip, {760, 184, 230, 30}, auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Выбор цвета]"), disabled | design},
    {"size_3_button", &app::MainWindowControls::size_3_button, {763, 277, 24, 24},  jar, QT_TRANSLATE_NOOP("app::MainWindow", "[Размер кисти 3]"), disabled | clickable},
    {"size_2_button", &app::MainWindowControls::size_2_button, {767, 310, 16, 16},  jar, QT_TRANSLATE_NOOP("app::MainWindow", "[Размер кисти 2]"), disabled | clickable},
    {"size_1_button", &app::MainWindowControls::size_1_button, {771, 335, 8, 8},    jar, QT_TRANSLATE_NOOP("app::MainWindow", "[Размер кисти 1]"), disabled | clickable},
    {"brush_button", &app::MainWindowControls::brush_button, {799, 238, 70, 92},  jar | stretch, QT_TRANSLATE_NOOP("app::MainWindow", "[Кисть]"), disabled | clickable},
    {"bucket_button", &app::MainWindowControls::bucket_button, {875, 238, 84, 102}, jar, QT_TRANSLATE_NOOP("app::MainWindow", "[Заливка]"), disabled | clickable},
    {"strip_down_button", &app::MainWindowControls::strip_down_button, {10, 562, 123, 39},  scroll, QT_TRANSLATE_NOOP("app::MainWindow", "[Вниз]"), clickable},
    {"strip_up_button", &app::MainWindowControls::strip_up_button, {10, 8, 123, 36},    scroll, QT_TRANSLATE_NOOP("app::MainWindow", "[Вверх]"), clickable},
    {"eraser_button", &app::MainWindowControls::eraser_button, {886, 346, 73, 59},  jar, QT_TRANSLATE_NOOP("app::MainWindow", "[Стерашка]"), disabled | clickable},
    {"photo_tab", &app::MainWindowControls::photo_tab, {778, 448, 80, 21},  jar, QT_TRANSLATE_NOOP("app::MainWindow", "[Фотография]"), hidden | quiet_hint | clickable},
    {"description_tab", &app::MainWindowControls::description_tab, {848, 448, 120, 21}, jar, QT_TRANSLATE_NOOP("app::MainWindow", "[Описание]"), hidden | quiet_hint | clickable},
    {"info_frame",  &app::MainWindowControls::info_frame,  {776, 473, 204, 204}, plain, "", hidden},
    {"pipette_button", &app::MainWindowControls::pipette_button, {799, 346, 52, 63},  jar, QT_TRANSLATE_NOOP("app::MainWindow", "[Пробник цвета]"), disabled | clickable},
    {"opened_picture_buffer", &app::MainWindowControls::opened_picture_buffer, {965, 127, 105, 105}, plain, "", hidden},
    {"size_4_button", &app::MainWindowControls::size_4_button, {757, 238, 36, 36},  jar, QT_TRANSLATE_NOOP("app::MainWindow", "[Размер кисти 4]"), disabled | clickable},
    {"rectangle_button", &app::MainWindowControls::rectangle_button, {874, 418, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Нарисовать прямоугольник]"), disabled | clickable},
    {"rounded_rectangle_button", &app::MainWindowControls::rounded_rectangle_button, {844, 418, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Нарисовать скругленный прямоугольник]"), disabled | clickable},
    {"ellipse_button", &app::MainWindowControls::ellipse_button, {904, 418, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Нарисовать круг]"), disabled | clickable},
    {"line_button", &app::MainWindowControls::line_button, {935, 418, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Нарисовать линию]"), disabled | clickable},
    {"bottom_bar", &app::MainWindowControls::bottom_bar, {264, 609, 388, 81}, proportional | centre | transparent, "", design},
    {"open_button", &app::MainWindowControls::open_button, {388, 610, 140, 76}, bar_button, QT_TRANSLATE_NOOP("app::MainWindow", "[Открыть картинку]"), hand},
    {"exit_button", &app::MainWindowControls::exit_button, {600, 609, 45, 77},  bar_button, QT_TRANSLATE_NOOP("app::MainWindow", "[Выход]"), hand},
    {"save_button", &app::MainWindowControls::save_button, {540, 645, 42, 40},  bar_button, QT_TRANSLATE_NOOP("app::MainWindow", "[Сохранить]"), hand},
    {"home_button", &app::MainWindowControls::home_button, {266, 610, 55, 76},  bar_button, QT_TRANSLATE_NOOP("app::MainWindow", "[Главная]"), hand},
    {"print_button", &app::MainWindowControls::print_button, {334, 645, 40, 42},  bar_button, QT_TRANSLATE_NOOP("app::MainWindow", "[Печать]"), hand},
    {"solid_pattern_frame",  &app::MainWindowControls::solid_pattern_frame,  {963, 236, 28, 27},  plain, "", hidden},
    {"horizontal_pattern_frame",  &app::MainWindowControls::horizontal_pattern_frame,  {963, 266, 28, 27},  plain, "", hidden},
    {"vertical_pattern_frame",  &app::MainWindowControls::vertical_pattern_frame,  {963, 296, 28, 27},  plain, "", hidden},
    {"right_slope_pattern_frame",  &app::MainWindowControls::right_slope_pattern_frame,  {963, 327, 28, 27},  plain, "", hidden},
    {"left_slope_pattern_frame",  &app::MainWindowControls::left_slope_pattern_frame,  {963, 357, 28, 27},  plain, "", hidden},
    {"grid_pattern_frame",  &app::MainWindowControls::grid_pattern_frame,  {963, 387, 28, 27},  plain, "", hidden},
    {"solid_pattern_button", &app::MainWindowControls::solid_pattern_button, {965, 238, 24, 24},  plain, QT_TRANSLATE_NOOP("app::MainWindow", "[Сплошная заливка]"), disabled | clickable},
    {"horizontal_pattern_button", &app::MainWindowControls::horizontal_pattern_button, {965, 268, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Горизонтальная заливка]"), disabled | clickable},
    {"vertical_pattern_button", &app::MainWindowControls::vertical_pattern_button, {965, 298, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Вертикальная заливка]"), disabled | clickable},
    {"right_slope_pattern_button", &app::MainWindowControls::right_slope_pattern_button, {965, 328, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Заливка с наклоном вправо]"), disabled | clickable},
    {"left_slope_pattern_button", &app::MainWindowControls::left_slope_pattern_button, {965, 358, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Заливка с наклоном влево]"), disabled | clickable},
    {"grid_pattern_button", &app::MainWindowControls::grid_pattern_button, {965, 388, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Заливка сеткой]"), disabled | clickable},
    {"triangle_button", &app::MainWindowControls::triangle_button, {814, 418, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Нарисовать треугольник]"), clickable},
    {"rhombus_button", &app::MainWindowControls::rhombus_button, {784, 418, 24, 24},  auto_size, QT_TRANSLATE_NOOP("app::MainWindow", "[Нарисовать ромб]"), clickable},
    {"photograph", &app::MainWindowControls::photograph, {778, 475, 200, 200}, stretch, "", hidden},
    {"black_jar", &app::MainWindowControls::black_jar, {936, 88, 53, 73},   jar, base_colour_hint, disabled | clickable},
    {"undo_button", &app::MainWindowControls::undo_button, {8, 625, 57, 57},    scroll, QT_TRANSLATE_NOOP("app::MainWindow", "[Отменить последнее действие]"), disabled | clickable},
    {"redo_button", &app::MainWindowControls::redo_button, {75, 625, 58, 57},   scroll, QT_TRANSLATE_NOOP("app::MainWindow", "[Повторить последнее действие]"), disabled | clickable},
};
// clang-format on

QString design_picture(const QString& name)
{
    // The start page background is the one design picture kept as a JPEG.
    return ":/design/" + name + (name == "page_background" ? ".jpg" : ".bmp");
}

void apply_display(Picture* picture, unsigned display)
{
    picture->set_auto_size(display & auto_size);
    picture->set_stretch(display & stretch);
    picture->set_proportional(display & proportional);
    picture->set_centre(display & centre);
    picture->set_transparent(display & transparent);
}

QWidget* create_picture(app::MainWindowControls& controls, PictureSlot slot, const LayoutRow& row,
                        QWidget* client)
{
    auto* picture = new Picture(client);
    controls.*slot = picture;
    picture->setGeometry(row.geometry);
    apply_display(picture, row.display);
    if (row.flags & design)
        platform::guarded([&] { picture->load_picture(design_picture(row.name)); });
    const QString hint = QCoreApplication::translate("app::MainWindow", row.hint);
    picture->set_hint(hint);
    picture->set_show_hint(!hint.isEmpty() && !(row.flags & quiet_hint));
    if (row.flags & hand)
        picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

QWidget* create_shape(app::MainWindowControls& controls, ShapeSlot slot, const LayoutRow& row,
                      QWidget* client)
{
    // info_frame frames the photograph in the default black pen; the pattern frames are yellow.
    const bool photograph_frame = slot == &app::MainWindowControls::info_frame;
    auto* shape = new core::FrameShape(photograph_frame ? QColor(Qt::black) : frame_yellow, client);
    controls.*slot = shape;
    shape->setGeometry(row.geometry);
    return shape;
}

void create_list_and_text(app::MainWindowControls& controls, QWidget* client)
{
    controls.catalogue_list = new QListWidget(client);
    controls.catalogue_list->setObjectName("catalogue_list");
    controls.catalogue_list->setGeometry(708, 104, 37, 32);
    // Every entry is one line of the same font: the list measures one instead of laying out
    // thousands of them again at each change of style.
    controls.catalogue_list->setUniformItemSizes(true);
    controls.catalogue_list->hide();

    controls.description_box = new widgets::ReadOnlyTextBox(client);
    controls.description_box->setObjectName("description_box");
    controls.description_box->setGeometry(778, 475, 200, 200);
    controls.description_box->setFrameShape(QFrame::NoFrame);
    controls.description_box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    controls.description_box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = core::layout_font();
    font.setPointSize(10);
    controls.description_box->setFont(font);
    controls.description_box->hide();
}

} // namespace

void create_layout(app::MainWindowControls& controls, QWidget* client)
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
