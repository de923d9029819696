#include "artgen.h"
#include "catalogue.h"
#include "core/layout_font_files.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <exception>

namespace {

void register_fonts()
{
    for (const char* file : {core::layout_font_file, core::layout_bold_font_file})
        if (QFileInfo::exists(file))
            QFontDatabase::addApplicationFont(file);
}

// The interface pictures, at the stored density and at twice it for high density screens.
void render_interface(const artgen::Output& out)
{
    for (const int density : {1, 2}) {
        const artgen::DensityScope scope(density);
        artgen::render_backgrounds(out);
        artgen::render_bottom_bar(out);
        artgen::render_buttons(out);
        artgen::render_jars(out);
        artgen::render_strips(out);
        artgen::render_tools(out);
        artgen::render_small_buttons(out);
        artgen::render_cursors(out);
    }
}

void render_all(const QString& art_dir, const artgen::Output& out, const artgen::CatalogueJob& job)
{
    artgen::copy_skins(art_dir, out);
    render_interface(out);
    artgen::render_extra_pictures(out);
    artgen::render_catalogue(out, job);
    artgen::render_languages(art_dir + "/lang", out);
}

} // namespace

// artgen <art folder> <res folder> <design folder> <contact sheet PNG> [<icon SVG> <icon theme folder>
//        [<sample photograph>...]]
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A build machine often has no session; a private runtime folder keeps Qt from warning about it.
    QTemporaryDir runtime_dir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime_dir.isValid())
        qputenv("XDG_RUNTIME_DIR", runtime_dir.path().toLocal8Bit());
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 5 && args.size() < 7) {
        err << "usage: artgen <art folder> <res folder> <design folder> <contact sheet PNG>"
               " [<icon SVG> <icon theme folder> [<sample photograph>...]]\n";
        return 2;
    }
    register_fonts();
    const artgen::Output out{QDir(args[2]).absolutePath() + '/', QDir(args[3]).absolutePath() + '/'};
    const artgen::CatalogueJob job{args[1] + "/catalogue", args[4],
                                   QFileInfo(app.applicationFilePath()).lastModified(), args.mid(7)};
    try {
        render_all(args[1], out, job);
        if (args.size() >= 7)
            artgen::render_icon(args[5], args[6]);
    } catch (const std::exception& error) {
        err << "artgen: error: " << QString::fromUtf8(error.what()) << '\n';
        return 1;
    }
    return 0;
}
