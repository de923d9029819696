#pragma once

#include "core/file_dialog_settings.h"
#include "widgets/picture_control.h"

#include <QAction>
#include <QListWidget>
#include <QMenuBar>
#include <QTextBrowser>
#include <array>

namespace core {
class FrameShape;
}

namespace app {

// The controls of the main window, named by their roles. The window creates them in the layout
// order and owns them; each subsystem is given only the controls it serves.
struct MainWindowControls {
    using Picture = widgets::PictureControl;

    Picture* page_background = nullptr;          // page background over the whole client area
    Picture* canvas = nullptr;                   // canvas: the drawing being coloured
    Picture* strip_slot_model = nullptr;         // hidden: where the layout models a strip slot, never shown
    Picture* red_jar = nullptr;                  // jar 1, red
    Picture* orange_jar = nullptr;               // jar 2, orange
    Picture* yellow_jar = nullptr;               // jar 3, yellow
    Picture* green_jar = nullptr;                // jar 4, green
    Picture* light_blue_jar = nullptr;           // jar 5, light blue
    Picture* blue_jar = nullptr;                 // jar 6, blue
    Picture* violet_jar = nullptr;               // jar 7, violet
    Picture* shade_strip = nullptr;              // shade strip
    Picture* size_3_button = nullptr;            // brush size 3
    Picture* size_2_button = nullptr;            // brush size 2
    Picture* size_1_button = nullptr;            // brush size 1
    Picture* brush_button = nullptr;             // brush tool
    Picture* bucket_button = nullptr;            // fill bucket tool
    Picture* strip_down_button = nullptr;        // preview strip: scroll down
    Picture* strip_up_button = nullptr;          // preview strip: scroll up
    Picture* eraser_button = nullptr;            // eraser tool
    Picture* photo_tab = nullptr;                // photograph tab
    Picture* description_tab = nullptr;          // description tab
    core::FrameShape* info_frame = nullptr;      // frame of the photograph panel
    Picture* pipette_button = nullptr;           // pipette tool
    Picture* opened_picture_buffer = nullptr;    // hidden, empty: opened files are fitted as read
    Picture* size_4_button = nullptr;            // brush size 4
    Picture* rectangle_button = nullptr;         // rectangle tool
    Picture* rounded_rectangle_button = nullptr; // rounded rectangle tool
    Picture* ellipse_button = nullptr;           // ellipse tool
    Picture* line_button = nullptr;              // line tool
    Picture* bottom_bar = nullptr;               // bottom bar picture
    Picture* open_button = nullptr;              // bottom bar: open a drawing
    Picture* exit_button = nullptr;              // bottom bar: exit
    Picture* save_button = nullptr;              // bottom bar: save
    Picture* home_button = nullptr;              // bottom bar: main page
    Picture* print_button = nullptr;             // bottom bar: print
    core::FrameShape* solid_pattern_frame = nullptr;       // frame of fill pattern 1, solid
    core::FrameShape* horizontal_pattern_frame = nullptr;  // frame of fill pattern 2, horizontal
    core::FrameShape* vertical_pattern_frame = nullptr;    // frame of fill pattern 3, vertical
    core::FrameShape* right_slope_pattern_frame = nullptr; // frame of fill pattern 4, sloping right
    core::FrameShape* left_slope_pattern_frame = nullptr;  // frame of fill pattern 5, sloping left
    core::FrameShape* grid_pattern_frame = nullptr;        // frame of fill pattern 6, grid
    Picture* solid_pattern_button = nullptr;               // fill pattern 1, solid
    Picture* horizontal_pattern_button = nullptr;          // fill pattern 2, horizontal lines
    Picture* vertical_pattern_button = nullptr;            // fill pattern 3, vertical lines
    Picture* right_slope_pattern_button = nullptr;         // fill pattern 4, lines sloping right
    Picture* left_slope_pattern_button = nullptr;          // fill pattern 5, lines sloping left
    Picture* grid_pattern_button = nullptr;                // fill pattern 6, grid
    Picture* triangle_button = nullptr;                    // triangle tool
    Picture* rhombus_button = nullptr;                     // rhombus tool
    Picture* photograph = nullptr;                         // photograph of the place
    Picture* black_jar = nullptr;                          // jar 8, black
    Picture* undo_button = nullptr;                        // undo
    Picture* redo_button = nullptr;                        // redo
    QListWidget* catalogue_list = nullptr;                 // hidden catalogue of thumbnail file names
    QTextBrowser* description_box = nullptr;               // description of the place

    QMenuBar* menu = nullptr;
    QAction* home_action = nullptr;  // "Главная"
    QAction* open_action = nullptr;  // "Открыть/загрузить"
    QAction* save_action = nullptr;  // "Сохранить"
    QAction* undo_action = nullptr;  // "Отменить"
    QAction* redo_action = nullptr;  // "Повторить"
    QAction* print_action = nullptr; // "Печать"
    QAction* help_action = nullptr;  // "Справка"
    QAction* about_action = nullptr; // "О программе"
    QAction* exit_action = nullptr;  // "Выход"

    core::FileDialogSettings save_dialog = core::save_dialog_defaults();
    core::FileDialogSettings open_dialog = core::open_dialog_defaults();

    // The jar row order.
    std::array<Picture*, 8> jars() const
    {
        return {red_jar, orange_jar, yellow_jar, green_jar, light_blue_jar, blue_jar, violet_jar, black_jar};
    }
    // The jars and tools a picture opened for colouring enables, in the order they are enabled.
    std::array<Picture*, 27> drawing_controls() const
    {
        return {red_jar,
                orange_jar,
                yellow_jar,
                green_jar,
                light_blue_jar,
                blue_jar,
                violet_jar,
                black_jar,
                shade_strip,
                size_3_button,
                size_2_button,
                size_1_button,
                brush_button,
                bucket_button,
                solid_pattern_button,
                horizontal_pattern_button,
                vertical_pattern_button,
                right_slope_pattern_button,
                left_slope_pattern_button,
                grid_pattern_button,
                eraser_button,
                pipette_button,
                size_4_button,
                rectangle_button,
                rounded_rectangle_button,
                ellipse_button,
                line_button};
    }
    // The tool buttons in the tool table's order.
    std::array<Picture*, 10> tool_buttons() const
    {
        return {brush_button,   bucket_button,    eraser_button,
                pipette_button, rectangle_button, rounded_rectangle_button,
                ellipse_button, line_button,      triangle_button,
                rhombus_button};
    }
    // The brush-size buttons, sizes 1 to 4.
    std::array<Picture*, 4> size_buttons() const
    {
        return {size_1_button, size_2_button, size_3_button, size_4_button};
    }
    // The fill-pattern buttons, patterns 1 to 6.
    std::array<Picture*, 6> pattern_buttons() const
    {
        return {solid_pattern_button,       horizontal_pattern_button, vertical_pattern_button,
                right_slope_pattern_button, left_slope_pattern_button, grid_pattern_button};
    }
    // Their frames, patterns 1 to 6.
    std::array<core::FrameShape*, 6> pattern_frames() const
    {
        return {solid_pattern_frame,       horizontal_pattern_frame, vertical_pattern_frame,
                right_slope_pattern_frame, left_slope_pattern_frame, grid_pattern_frame};
    }
};

} // namespace app
