#pragma once

#include "app/file_dialog_settings.h"
#include "platform/picture_control.h"

#include <QAction>
#include <QListWidget>
#include <QMenuBar>
#include <QTextBrowser>
#include <array>

namespace app {

class FrameShape;

// The controls of the main window, by their layout names. The window creates them in the layout
// order and owns them; the subsystems work on them through this struct.
struct Form1Controls {
    using Picture = platform::PictureControl;

    Picture* Image3 = nullptr;  // page background over the whole client area
    Picture* Image1 = nullptr;  // canvas: the drawing being coloured
    Picture* Image2 = nullptr;  // hidden design-time thumbnail, never shown
    Picture* Image4 = nullptr;  // jar 1, red
    Picture* Image5 = nullptr;  // jar 2, orange
    Picture* Image6 = nullptr;  // jar 3, yellow
    Picture* Image7 = nullptr;  // jar 4, green
    Picture* Image8 = nullptr;  // jar 5, light blue
    Picture* Image9 = nullptr;  // jar 6, blue
    Picture* Image10 = nullptr; // jar 7, violet
    Picture* Image11 = nullptr; // shade strip
    Picture* Image12 = nullptr; // brush size 3
    Picture* Image13 = nullptr; // brush size 2
    Picture* Image14 = nullptr; // brush size 1
    Picture* Image15 = nullptr; // brush tool
    Picture* Image16 = nullptr; // fill bucket tool
    Picture* Image23 = nullptr; // preview strip: scroll down
    Picture* Image24 = nullptr; // preview strip: scroll up
    Picture* Image25 = nullptr; // eraser tool
    Picture* Image26 = nullptr; // photograph tab
    Picture* Image27 = nullptr; // description tab
    FrameShape* Shape1 = nullptr; // frame of the photograph panel
    Picture* Image29 = nullptr; // pipette tool
    Picture* Image32 = nullptr; // hidden load buffer of an opened drawing
    Picture* Image33 = nullptr; // brush size 4
    Picture* Image34 = nullptr; // rectangle tool
    Picture* Image35 = nullptr; // rounded rectangle tool
    Picture* Image36 = nullptr; // ellipse tool
    Picture* Image37 = nullptr; // line tool
    Picture* Image41 = nullptr; // bottom bar picture
    Picture* Image31 = nullptr; // bottom bar: open a drawing
    Picture* Image40 = nullptr; // bottom bar: exit
    Picture* Image30 = nullptr; // bottom bar: save
    Picture* Image39 = nullptr; // bottom bar: main page
    Picture* Image42 = nullptr; // bottom bar: print
    FrameShape* Shape2 = nullptr; // frame of fill pattern 1, solid
    FrameShape* Shape3 = nullptr; // frame of fill pattern 2, horizontal
    FrameShape* Shape4 = nullptr; // frame of fill pattern 3, vertical
    FrameShape* Shape5 = nullptr; // frame of fill pattern 4, sloping right
    FrameShape* Shape6 = nullptr; // frame of fill pattern 5, sloping left
    FrameShape* Shape7 = nullptr; // frame of fill pattern 6, grid
    Picture* Image17 = nullptr; // fill pattern 1, solid
    Picture* Image18 = nullptr; // fill pattern 2, horizontal lines
    Picture* Image19 = nullptr; // fill pattern 3, vertical lines
    Picture* Image20 = nullptr; // fill pattern 4, lines sloping right
    Picture* Image21 = nullptr; // fill pattern 5, lines sloping left
    Picture* Image22 = nullptr; // fill pattern 6, grid
    Picture* Image43 = nullptr; // triangle tool
    Picture* Image44 = nullptr; // rhombus tool
    Picture* Image28 = nullptr; // photograph of the place
    Picture* Image45 = nullptr; // jar 8, black
    Picture* Image46 = nullptr; // undo
    Picture* Image47 = nullptr; // redo
    QListWidget* ListBox1 = nullptr;    // hidden catalogue of thumbnail file names
    QTextBrowser* sRichEdit1 = nullptr; // description of the place

    QMenuBar* MainMenu1 = nullptr;
    QAction* N3 = nullptr; // "Главная"
    QAction* N5 = nullptr; // "Открыть/загрузить"
    QAction* N6 = nullptr; // "Сохранить"
    QAction* N8 = nullptr; // "Отменить"
    QAction* N9 = nullptr; // "Повторить"
    QAction* N4 = nullptr; // "Печать"
    QAction* N1 = nullptr; // "Справка"
    QAction* N2 = nullptr; // "О программе"
    QAction* N7 = nullptr; // "Выход"

    FileDialogSettings SaveDialog1 = save_dialog_defaults();
    FileDialogSettings OpenDialog1 = open_dialog_defaults();

    // The jar row order.
    std::array<Picture*, 8> jars() const { return {Image4, Image5, Image6, Image7, Image8, Image9, Image10, Image45}; }
    // The jars and tools a picture opened for colouring enables, in the order they are enabled.
    std::array<Picture*, 27> drawing_controls() const
    {
        return {Image4,  Image5,  Image6,  Image7,  Image8,  Image9,  Image10, Image45, Image11,
                Image12, Image13, Image14, Image15, Image16, Image17, Image18, Image19, Image20,
                Image21, Image22, Image25, Image29, Image33, Image34, Image35, Image36, Image37};
    }
    // The fill-pattern buttons, patterns 1 to 6.
    std::array<Picture*, 6> pattern_buttons() const { return {Image17, Image18, Image19, Image20, Image21, Image22}; }
    // Their frames, patterns 1 to 6.
    std::array<FrameShape*, 6> pattern_frames() const { return {Shape2, Shape3, Shape4, Shape5, Shape6, Shape7}; }
};

} // namespace app
