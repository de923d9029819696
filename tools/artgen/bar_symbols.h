#pragma once

#include <QPainter>
#include <QRectF>

namespace artgen {

// The five symbols of the bottom bar, each drawn into its box (bar picture coordinates).
void draw_house(QPainter& p, const QRectF& box);
void draw_printer(QPainter& p, const QRectF& box);
void draw_open_folder(QPainter& p, const QRectF& box);
void draw_floppy(QPainter& p, const QRectF& box);
void draw_door(QPainter& p, const QRectF& box);

} // namespace artgen
