#pragma once

#include "art_output.h"

namespace artgen {

// One family of pictures each; every function writes its files and throws on failure.
void render_jars(const Output& out);
void render_strips(const Output& out);
void render_tools(const Output& out);
void render_small_buttons(const Output& out);
void render_buttons(const Output& out);
void render_bottom_bar(const Output& out);
void render_backgrounds(const Output& out);
void render_cursors(const Output& out);
void render_extra_pictures(const Output& out);
// The start page with the program's name drawn as its title.
QImage start_page(const QString& title);
// The photograph panel's two tabs with their words, in the language of the words.
QImage photo_tab(const QString& word);
QImage description_tab(const QString& word);
// Every language folder of art/lang: the catalogue's names, captions and descriptions and the
// pictures with words, into res/lang/<code>/.
void render_languages(const QString& lang_dir, const Output& out);
// The program's icon at every size of the hicolor theme: <theme>/<n>x<n>/apps/<name>.png.
void render_icon(const QString& svg_path, const QString& theme_dir);
// The skins are style sheets written by hand: copied as they are.
void copy_skins(const QString& art_dir, const Output& out);

} // namespace artgen
