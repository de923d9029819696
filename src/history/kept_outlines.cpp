#include "history/kept_outlines.h"

#include <opencv2/imgproc.hpp>

namespace history {

namespace {

// Black lines up to this many pixels wide are outlines; wider black is paint. The catalogue's
// outlines are about 4 pixels wide, a child's thinnest brush stroke 4.
constexpr int widest_outline = 6;

// The black pixels no square wider than an outline fits in: the black pixels less their
// morphological opening by that square, so a black area keeps nothing but lines drawn on it.
pixels::OutlineMask thin_black_lines(const pixels::Bitmap& picture)
{
    pixels::OutlineMask black = pixels::OutlineMask::of_black_pixels(picture);
    if (picture.is_null())
        return black;
    const cv::Mat mask(black.size().height(), black.size().width(), CV_8U, black.data());
    cv::Mat areas;
    const cv::Mat square =
        cv::getStructuringElement(cv::MORPH_RECT, cv::Size(widest_outline + 1, widest_outline + 1));
    cv::morphologyEx(mask, areas, cv::MORPH_OPEN, square);
    cv::subtract(mask, areas, mask);
    return black;
}

} // namespace

void KeptOutlines::line_drawing_opened(const pixels::Bitmap& picture)
{
    if (enabled_)
        current_ =
            std::make_shared<const pixels::OutlineMask>(pixels::OutlineMask::of_black_pixels(picture));
}

void KeptOutlines::drawing_opened(const pixels::Bitmap& picture)
{
    if (enabled_)
        current_ = std::make_shared<const pixels::OutlineMask>(thin_black_lines(picture));
}

void KeptOutlines::undone()
{
    redo_ = current_;
    current_ = undo_;
}

void KeptOutlines::redone()
{
    undo_ = current_;
    current_ = redo_;
}

} // namespace history
