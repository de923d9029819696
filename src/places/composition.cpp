#include "places/composition.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace places {

namespace {

// The edges are found on a small grey copy: the subject is large, its texture does not matter.
constexpr int profile_side = 160;
// How much a frame at the photograph's very edge loses against one in its centre: a photograph
// evenly busy is cut in the middle, as the photographer framed it.
constexpr double centre_pull = 0.25;

// The strong edges of each column of `grey` (or of each row): squared steps, so that a subject's
// outline outweighs the fine texture of wood or grass around it.
std::vector<double> edge_profile(const QImage& grey, bool columns)
{
    std::vector<double> profile(static_cast<size_t>(columns ? grey.width() : grey.height()), 0.0);
    for (int y = 0; y + 1 < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        const uchar* below = grey.constScanLine(y + 1);
        for (int x = 0; x + 1 < grey.width(); ++x) {
            const double across = row[x + 1] - row[x], down = below[x] - row[x];
            profile[static_cast<size_t>(columns ? x : y)] += across * across + down * down;
        }
    }
    return profile;
}

// The start of the window of `length` over `profile` holding the most, pulled towards the centre.
int busiest_window(const std::vector<double>& profile, int length)
{
    const int last = static_cast<int>(profile.size()) - length;
    if (last <= 0)
        return 0;
    double sum = 0;
    for (int i = 0; i < length; ++i)
        sum += profile[static_cast<size_t>(i)];
    int best = 0;
    double best_score = -1;
    for (int start = 0;; ++start) {
        const double off_centre = std::abs(2.0 * start - last) / last;
        const double score = sum * (1 - centre_pull * off_centre);
        if (score > best_score)
            best = start, best_score = score;
        if (start == last)
            return best;
        sum += profile[static_cast<size_t>(start + length)] - profile[static_cast<size_t>(start)];
    }
}

} // namespace

QRect page_frame(QSize photo, QSize page)
{
    // Compared as integers: the photograph is wider than the page's shape when w * ph > h * pw.
    const qint64 wide = qint64{photo.width()} * page.height();
    const qint64 tall = qint64{photo.height()} * page.width();
    const int width = wide > tall ? static_cast<int>(tall / page.height()) : photo.width();
    const int height = wide > tall ? photo.height() : static_cast<int>(wide / page.width());
    return QRect((photo.width() - width) / 2, (photo.height() - height) / 2, std::max(width, 1),
                 std::max(height, 1));
}

QRect subject_frame(const QImage& photo, QSize page)
{
    const QRect centred = page_frame(photo.size(), page);
    const bool sideways = centred.width() < photo.width();
    if (!sideways && centred.height() == photo.height())
        return centred;
    const QImage grey =
        photo.scaled(profile_side, profile_side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_Grayscale8);
    const double scale = double(grey.width()) / photo.width();
    const int free_side = sideways ? photo.width() : photo.height();
    const int frame_side = sideways ? centred.width() : centred.height();
    const int start = busiest_window(edge_profile(grey, sideways), int(std::lround(frame_side * scale)));
    const int moved = std::clamp(int(std::lround(start / scale)), 0, free_side - frame_side);
    return sideways ? QRect(moved, 0, centred.width(), centred.height())
                    : QRect(0, moved, centred.width(), centred.height());
}

} // namespace places
