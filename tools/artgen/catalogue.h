#pragma once

#include "art_output.h"
#include "regions.h"

#include <QDateTime>
#include <QStringList>

namespace artgen {

struct CatalogueJob {
    QString source_dir;    // art/catalogue
    QString contact_sheet; // PNG written beside the build
    QDateTime tool_time;   // outputs older than the renderer itself are rendered again
};

// Renders every <name>.svg with its description into clipart/, info/ and preview/, removes what
// no longer has a source, and writes the contact sheet. Throws when a drawing is not colourable.
void render_catalogue(const Output& out, const CatalogueJob& job);

// Fails on a white area too small to hit with the largest brush; warns about likely gaps.
void check_line_drawing(const QString& name, const QImage& line_drawing, const QImage& scene);
// The coloured scene with a gradient sky, light from the upper left and soft shadows.
QImage lit_scene(const QImage& scene, const QImage& line_drawing);
// The lit square scene as a photograph `side` pixels square, with a little grain.
QImage photograph(const QString& name, const QImage& lit, int side);
// A description in Windows-1251: plain text as it is, RTF with \'xx escapes.
QByteArray description_1251(const QString& name, const QByteArray& utf8, bool rtf);
void write_contact_sheet(const QString& path, const QStringList& names, const Output& out);

} // namespace artgen
