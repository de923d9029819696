#include "voices.h"

#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace soundgen {

namespace {

// One part of a sound: a tone gliding from one pitch to another, or (noise = true) a band of noise
// whose centre glides so.
struct Part {
    double start;
    double length;
    double from_hz;
    double to_hz;
    bool noise = false;
    double level = 1.0;
};

// Every cue's loudest 50 ms sounds this loud (root mean square of full scale, about -18 dBFS), so
// none startles next to another.
constexpr double loudness = 0.125;
constexpr double attack_s = 0.006;
constexpr double release_s = 0.025;

double raised_cosine(double x)
{
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

// Rises without a click, decays as a plucked or struck thing does, and ends at exact silence.
double envelope(double t, double length)
{
    return raised_cosine(t / attack_s) * std::exp(-2.5 * t / length) *
           raised_cosine((length - t) / release_s);
}

double pitch_at(const Part& part, double t)
{
    return part.from_hz * std::pow(part.to_hz / part.from_hz, t / part.length);
}

// A soft tone: the fundamental with a little of its second and third harmonics.
void add_tone(std::vector<float>& out, const Part& part)
{
    const auto first = static_cast<std::size_t>(part.start * sample_rate);
    const auto count = static_cast<std::size_t>(part.length * sample_rate);
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = double(i) / sample_rate;
        phase += 2 * std::numbers::pi * pitch_at(part, t) / sample_rate;
        const double wave = std::sin(phase) + 0.2 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase);
        out[first + i] += float(part.level * envelope(t, part.length) * wave);
    }
}

// Noise through a state-variable band-pass filter: a swish, a splash, a page. The generator's own
// sequence keeps every build's files identical.
void add_noise(std::vector<float>& out, const Part& part)
{
    const auto first = static_cast<std::size_t>(part.start * sample_rate);
    const auto count = static_cast<std::size_t>(part.length * sample_rate);
    std::uint32_t seed = 0x2545F491u;
    double low = 0, band = 0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = double(i) / sample_rate;
        seed = seed * 1664525u + 1013904223u;
        const double white = double(seed >> 8) / double(1u << 23) - 1.0;
        const double f = 2 * std::sin(std::numbers::pi * pitch_at(part, t) / sample_rate);
        low += f * band;
        const double high = white - low - 0.7 * band;
        band += f * high;
        out[first + i] += float(part.level * envelope(t, part.length) * band);
    }
}

std::vector<Part> parts_of(sound::Cue cue)
{
    using sound::Cue;
    switch (cue) {
    case Cue::jar: // a bright drop into paint
        return {{0.0, 0.09, 880, 1175}, {0.07, 0.12, 1319, 1319, false, 0.7}};
    case Cue::shade:
        return {{0.0, 0.12, 1047, 1175}};
    case Cue::tool: // a wooden knock
        return {{0.0, 0.10, 660, 620}, {0.0, 0.04, 2400, 1800, true, 0.5}};
    case Cue::pattern:
        return {{0.0, 0.11, 784, 784}, {0.05, 0.10, 988, 988, false, 0.6}};
    case Cue::size:
        return {{0.0, 0.12, 523, 698}};
    case Cue::fill: // a splash with a bubble
        return {{0.0, 0.35, 3000, 900, true}, {0.04, 0.22, 350, 900, false, 0.5}};
    case Cue::stroke: // a swish
        return {{0.0, 0.22, 1500, 3500, true}};
    case Cue::shape: // a pop
        return {{0.0, 0.13, 300, 1000}};
    case Cue::eraser: // a rubbery squeak
        return {{0.0, 0.10, 1700, 2100}, {0.08, 0.10, 2000, 1800, false, 0.8}};
    case Cue::pipette: // a drop sucked up
        return {{0.0, 0.16, 1500, 600}};
    case Cue::undo:
        return {{0.0, 0.12, 784, 784}, {0.11, 0.16, 587, 587}};
    case Cue::redo:
        return {{0.0, 0.12, 587, 587}, {0.11, 0.16, 784, 784}};
    case Cue::open_picture: // a page turning
        return {{0.0, 0.40, 600, 2500, true}, {0.0, 0.40, 300, 300, true, 0.4}};
    case Cue::start_page: // up the major chord
        return {{0.0, 0.14, 523, 523}, {0.11, 0.14, 659, 659}, {0.22, 0.22, 784, 784}};
    case Cue::save: // a chord and a bell
        return {{0.0, 0.12, 659, 659}, {0.10, 0.12, 784, 784}, {0.20, 0.26, 1047, 1047}};
    case Cue::refusal: // a soft "uh-uh", low and short, never a buzzer
        return {{0.0, 0.13, 392, 392, false, 0.8}, {0.13, 0.20, 349, 330, false, 0.8}};
    case Cue::exit_question: // a rising question
        return {{0.0, 0.15, 523, 523}, {0.14, 0.25, 587, 740}};
    }
    return {};
}

double loudest_window_rms(const std::vector<float>& samples)
{
    const std::size_t window = sample_rate / 20;
    double loudest = 0, sum = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        sum += double(samples[i]) * samples[i];
        if (i >= window)
            sum -= double(samples[i - window]) * samples[i - window];
        loudest = std::max(loudest, sum);
    }
    return std::sqrt(loudest / double(window));
}

} // namespace

std::vector<float> voice(sound::Cue cue)
{
    const std::vector<Part> parts = parts_of(cue);
    double end = 0;
    for (const Part& part : parts)
        end = std::max(end, part.start + part.length);
    std::vector<float> samples(static_cast<std::size_t>(end * sample_rate) + 1, 0.0f);
    for (const Part& part : parts)
        (part.noise ? add_noise : add_tone)(samples, part);
    const double gain = loudness / loudest_window_rms(samples);
    for (float& sample : samples)
        sample = float(sample * gain);
    return samples;
}

} // namespace soundgen
