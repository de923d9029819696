#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <array>

namespace artgen {

// The warm paper look of the pages and panels.
inline const QColor paper(252, 243, 222);
inline const QColor panel(255, 248, 232);
inline const QColor panel_edge(222, 186, 132);
inline const QColor glow(255, 214, 64);
inline const QColor highlight_fill(255, 236, 160);

struct JarColour {
    QString letter;
    QString strip_letter;
    QColor base;
    QSize size;
};

// The eight base colours in jar row order, with each jar's picture size.
inline const std::array<JarColour, 8> jar_colours = {{
    {"к", "к", QColor(255, 0, 0), QSize(52, 73)},
    {"о", "о", QColor(255, 102, 0), QSize(52, 72)},
    {"ж", "ж", QColor(255, 255, 0), QSize(52, 72)},
    {"з", "з", QColor(59, 188, 9), QSize(52, 75)},
    {"г", "г", QColor(55, 186, 219), QSize(52, 73)},
    {"с", "с", QColor(0, 0, 255), QSize(53, 75)},
    {"ф", "ф", QColor(177, 24, 193), QSize(52, 73)},
    {"ч", "б", QColor(0, 0, 0), QSize(53, 73)},
}};

// The design-time jar controls in the same order.
inline const std::array<const char*, 8> jar_controls = {"red_jar",    "orange_jar",     "yellow_jar",
                                                        "green_jar",  "light_blue_jar", "blue_jar",
                                                        "violet_jar", "black_jar"};

QColor mixed(const QColor& a, const QColor& b, double t);

} // namespace artgen
