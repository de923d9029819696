#pragma once

#include "art_output.h"
#include "regions.h"
#include "scene_photograph.h"

#include <QDateTime>
#include <QStringList>

namespace artgen {

struct CatalogueJob {
    QString source_dir;    // art/catalogue
    QString contact_sheet; // PNG written beside the build
    QDateTime tool_time;   // outputs older than the renderer itself are rendered again
    // Real photographs whose pages, made as a teacher makes a place, close the contact sheet.
    QStringList sample_photographs;
};

// Renders every <name>.svg with its description into clipart/, info/ and preview/, removes what
// no longer has a source, and writes the contact sheet. Throws when a drawing is not colourable.
void render_catalogue(const Output& out, const CatalogueJob& job);

// Fails on a white area smaller than a child can brush (20 x 20 pixels), naming where it is; warns
// about likely gaps.
void check_line_drawing(const QString& name, const QImage& line_drawing, const QImage& scene);
// A description in Windows-1251: plain text as it is, RTF with \'xx escapes.
QByteArray description_1251(const QString& name, const QByteArray& utf8, bool rtf);
void write_contact_sheet(const QString& path, const QStringList& names, const Output& out,
                         const QStringList& sample_photographs);

} // namespace artgen
