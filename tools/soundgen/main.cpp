#include "sound/cues.h"
#include "voices.h"
#include "wav_file.h"

#include <cstdio>
#include <exception>
#include <filesystem>

// Writes the program's sounds, one WAV file a cue, into the folder given (the resource tree's
// sounds/), so they are built from this code as the pictures are from art/.
int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen SOUNDS_FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        for (std::size_t i = 0; i < sound::cue_files.size(); ++i)
            soundgen::write_wav((folder / sound::cue_files[i]).string(), soundgen::voice(sound::Cue(i)));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "soundgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
