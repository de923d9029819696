#pragma once

#include <array>
#include <cstddef>

namespace sound {

// Each kind of action a child takes that answers with a sound of its own. The sound generator
// writes one file for each, under these names, into the resource tree's sounds/ folder.
enum class Cue {
    jar,
    shade,
    tool,
    pattern,
    size,
    fill,
    stroke,
    shape,
    eraser,
    pipette,
    undo,
    redo,
    open_picture,
    start_page,
    save,
    refusal,
    exit_question,
};

inline constexpr std::array<const char*, 17> cue_files{
    "jar.wav",          "shade.wav",      "tool.wav",   "pattern.wav", "size.wav",         "fill.wav",
    "stroke.wav",       "shape.wav",      "eraser.wav", "pipette.wav", "undo.wav",         "redo.wav",
    "open_picture.wav", "start_page.wav", "save.wav",   "refusal.wav", "exit_question.wav"};

constexpr const char* cue_file(Cue cue)
{
    return cue_files[static_cast<std::size_t>(cue)];
}

} // namespace sound
