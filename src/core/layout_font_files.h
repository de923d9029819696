#pragma once

namespace core {

// fonts-wine installs its Tahoma outside fontconfig's search path; the program and the art
// generator both register it from there.
inline constexpr const char* layout_font_file = "/usr/share/wine/fonts/tahoma.ttf";
inline constexpr const char* layout_bold_font_file = "/usr/share/wine/fonts/tahomabd.ttf";

} // namespace core
