#include "output/help_areas.h"

#include <QCoreApplication>

#include "widgets/picture_control.h"

#include <algorithm>
#include <cstdlib>

namespace output {

namespace {

QRect in_window(const QWidget& window, const QWidget* control)
{
    return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

bool is_shown(const QWidget& window, const QWidget* control)
{
    return control->isVisibleTo(&window);
}

// The thumbnails are made at run time between the two scroll buttons; the one nearest the middle
// of the strip stands for them all.
const QWidget* middle_thumbnail(const QWidget& window, const HelpControls& c)
{
    const QRect up = in_window(window, c.strip_up_button);
    const QRect down = in_window(window, c.strip_down_button);
    const QRect strip(QPoint(up.left(), up.bottom() + 1), QPoint(up.right(), down.top() - 1));
    const QWidget* nearest = nullptr;
    for (const auto* thumbnail : c.canvas->parentWidget()->findChildren<widgets::PictureControl*>()) {
        const QRect place = in_window(window, thumbnail);
        if (thumbnail == c.strip_slot_model || !is_shown(window, thumbnail) || !strip.contains(place))
            continue;
        if (!nearest || std::abs(place.center().y() - strip.center().y()) <
                            std::abs(in_window(window, nearest).center().y() - strip.center().y()))
            nearest = thumbnail;
    }
    return nearest;
}

} // namespace

QList<HelpArea> help_areas(const QWidget& window, const HelpControls& c)
{
    QList<const QWidget*> thumbnails;
    if (const QWidget* thumbnail = middle_thumbnail(window, c))
        thumbnails.append(thumbnail);
    return {
        {QCoreApplication::translate("output::HelpAreas", "Навигация по картинкам"),
         Side::right,
         {c.strip_up_button, c.strip_down_button}},
        {QCoreApplication::translate("output::HelpAreas", "Выбор картинки для раскраски"), Side::right,
         thumbnails},
        {QCoreApplication::translate("output::HelpAreas", "Отмена и повтор"),
         Side::bottom,
         {c.undo_button, c.redo_button}},
        {QCoreApplication::translate("output::HelpAreas", "Поле для рисования"), Side::top, {c.canvas}},
        {QCoreApplication::translate("output::HelpAreas", "Базовый цвет"),
         Side::left,
         {c.red_jar, c.light_blue_jar}},
        {QCoreApplication::translate("output::HelpAreas", "Дополнительный цвет"),
         Side::left,
         {c.shade_strip}},
        {QCoreApplication::translate("output::HelpAreas", "Толщина линии"), Side::left, {c.size_4_button}},
        {QCoreApplication::translate("output::HelpAreas", "Инструменты рисования"),
         Side::left,
         {c.brush_button, c.pipette_button}},
        {QCoreApplication::translate("output::HelpAreas", "Штриховка"), Side::left, {c.solid_pattern_button}},
        {QCoreApplication::translate("output::HelpAreas", "Фигуры"), Side::left, {c.rhombus_button}},
        {QCoreApplication::translate("output::HelpAreas", "Фотография и описание"),
         Side::left,
         {c.photograph, c.description_box}},
        {QCoreApplication::translate("output::HelpAreas", "Главная"), Side::bottom, {c.home_button}},
        {QCoreApplication::translate("output::HelpAreas", "Печать"), Side::bottom, {c.print_button}},
        {QCoreApplication::translate("output::HelpAreas", "Открыть"), Side::bottom, {c.open_button}},
        {QCoreApplication::translate("output::HelpAreas", "Сохранить"), Side::bottom, {c.save_button}},
        {QCoreApplication::translate("output::HelpAreas", "Выход"), Side::bottom, {c.exit_button}},
    };
}

bool shows_every_area(const QWidget& window, const QList<HelpArea>& areas)
{
    return std::all_of(areas.begin(), areas.end(), [&](const HelpArea& area) {
        return std::any_of(area.controls.begin(), area.controls.end(),
                           [&](const QWidget* control) { return is_shown(window, control); });
    });
}

QList<Callout> visible_callouts(const QWidget& window, const QList<HelpArea>& areas)
{
    QList<Callout> callouts;
    for (const HelpArea& area : areas) {
        Callout callout{area.text, area.side, {}};
        for (const QWidget* control : area.controls)
            if (is_shown(window, control))
                callout.targets.append(in_window(window, control));
        if (!callout.targets.isEmpty())
            callouts.append(callout);
    }
    return callouts;
}

LabelColumns label_columns(const QWidget& window, const HelpControls& c)
{
    const QRect canvas = in_window(window, c.canvas);
    return {canvas.right() - 62, canvas.left() + 55};
}

} // namespace output
