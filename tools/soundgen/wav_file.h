#pragma once

#include <string>
#include <vector>

namespace soundgen {

constexpr int sample_rate = 44100;

// Writes mono 16-bit PCM samples (each in -1..1) as a WAV file; throws std::runtime_error when the
// file cannot be written.
void write_wav(const std::string& path, const std::vector<float>& samples);

} // namespace soundgen
