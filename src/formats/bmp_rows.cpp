#include "formats/bmp_rows.h"

#include <cstdint>
#include <cstring>
#include <immintrin.h>

namespace formats::bmp {

namespace {

constexpr std::uint32_t opaque = 0xFF000000u;

std::uint32_t load32(const uchar* at)
{
    std::uint32_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

void store32(uchar* at, std::uint32_t word)
{
    std::memcpy(at, &word, sizeof word);
}

// Four pixels are three little-endian words: B0 G0 R0 B1 | G1 R1 B2 G2 | R2 B3 G3 R3.
void bgr24_to_rgb32_words(const uchar* from, QRgb* to, int x, int width)
{
    from += 3 * x;
    for (; x + 4 <= width; x += 4, from += 12) {
        const std::uint32_t a = load32(from);
        const std::uint32_t b = load32(from + 4);
        const std::uint32_t c = load32(from + 8);
        to[x] = opaque | a;
        to[x + 1] = opaque | a >> 24 | b << 8;
        to[x + 2] = opaque | b >> 16 | c << 16;
        to[x + 3] = opaque | c >> 8;
    }
    for (; x < width; ++x, from += 3)
        to[x] = opaque | std::uint32_t{from[2]} << 16 | std::uint32_t{from[1]} << 8 | from[0];
}

void rgb32_to_bgr24_words(const QRgb* from, uchar* to, int x, int width)
{
    to += 3 * x;
    for (; x + 4 <= width; x += 4, to += 12) {
        const std::uint32_t p0 = from[x], p1 = from[x + 1], p2 = from[x + 2], p3 = from[x + 3];
        store32(to, (p0 & 0xFFFFFFu) | p1 << 24);
        store32(to + 4, (p1 >> 8 & 0xFFFFu) | p2 << 16);
        store32(to + 8, (p2 >> 16 & 0xFFu) | p3 << 8);
    }
    for (; x < width; ++x, to += 3) {
        to[0] = static_cast<uchar>(qBlue(from[x]));
        to[1] = static_cast<uchar>(qGreen(from[x]));
        to[2] = static_cast<uchar>(qRed(from[x]));
    }
}

// With a byte shuffle, four pixels are one load, one shuffle and one store. A 16-byte load or
// store at 3 * x stays inside the row's 3 * width bytes while x + 6 <= width.
__attribute__((target("ssse3"))) void bgr24_to_rgb32_shuffled(const uchar* from, QRgb* to, int width)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i alpha = _mm_set1_epi32(static_cast<int>(opaque));
    int x = 0;
    for (; x + 6 <= width; x += 4) {
        const __m128i bgr = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + x),
                         _mm_or_si128(_mm_shuffle_epi8(bgr, spread), alpha));
    }
    bgr24_to_rgb32_words(from, to, x, width);
}

__attribute__((target("ssse3"))) void rgb32_to_bgr24_shuffled(const QRgb* from, uchar* to, int width)
{
    const __m128i pack = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    int x = 0;
    for (; x + 6 <= width; x += 4) {
        const __m128i rgb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 3 * x), _mm_shuffle_epi8(rgb, pack));
    }
    rgb32_to_bgr24_words(from, to, x, width);
}

bool has_shuffle()
{
    static const bool supported = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") != 0;
    }();
    return supported;
}

} // namespace

void bgr24_to_rgb32(const uchar* from, QRgb* to, int width)
{
    if (has_shuffle())
        bgr24_to_rgb32_shuffled(from, to, width);
    else
        bgr24_to_rgb32_words(from, to, 0, width);
}

void rgb32_to_bgr24(const QRgb* from, uchar* to, int width)
{
    if (has_shuffle())
        rgb32_to_bgr24_shuffled(from, to, width);
    else
        rgb32_to_bgr24_words(from, to, 0, width);
}

} // namespace formats::bmp
