#include "places/line_drawing.h"

#include "places/region_graph.h"

#include <opencv2/imgproc.hpp>

namespace places {

namespace {

// Colour differences are measured in CIE Lab (OpenCV's 8-bit scale), where equal steps look equal.
constexpr float similar_colours = 14.0f;
// Rounds of merging areas the outlines left too small; what is left after them is inked over.
constexpr int last_merge_round = 6;
// A flat area: the largest colour step to a neighbour, summed over both directions. A photograph
// of soft gradients has few such areas: the bound is then halved, down to the last one.
constexpr int flat_gradient = 24;
constexpr int last_flat_gradient = 6;
// An area the brush cannot get into: no pixel of it further than this from its outline.
constexpr float thinnest_half_width = 2.5f;

cv::Mat page_bgr(const QImage& photograph)
{
    const QImage rgb = photograph.convertToFormat(QImage::Format_RGB32);
    const cv::Mat wrapped(rgb.height(), rgb.width(), CV_8UC4, const_cast<uchar*>(rgb.constBits()),
                          static_cast<size_t>(rgb.bytesPerLine()));
    cv::Mat bgr;
    cv::cvtColor(wrapped, bgr, cv::COLOR_BGRA2BGR);
    cv::Mat page;
    cv::resize(bgr, page, cv::Size(page_size.width(), page_size.height()), 0, 0, cv::INTER_AREA);
    return page;
}

// The strongest colour step at each pixel, over the three channels.
cv::Mat colour_gradient(const cv::Mat& image)
{
    cv::Mat dx, dy;
    cv::Sobel(image, dx, CV_16S, 1, 0);
    cv::Sobel(image, dy, CV_16S, 0, 1);
    cv::Mat magnitude;
    cv::add(cv::abs(dx), cv::abs(dy), magnitude, cv::noArray(), CV_16S);
    std::vector<cv::Mat> channels;
    cv::split(magnitude, channels);
    cv::Mat strongest = cv::max(cv::max(channels[0], channels[1]), channels[2]);
    return strongest;
}

// Watershed from the flat areas of the picture: every pixel belongs to the flat area it is reached
// from first. Returns the label map (0 .. count-1) with the count.
cv::Mat watershed_regions(const cv::Mat& bgr, int flatness, int& count)
{
    const cv::Mat flat = colour_gradient(bgr) < flatness;
    cv::Mat markers;
    const int components = cv::connectedComponents(flat, markers, 8, CV_32S);
    // connectedComponents numbers the unflat pixels 0, which is what watershed floods.
    cv::watershed(bgr, markers);
    // Watershed marks the lines between its basins -1: each such pixel joins a neighbour's basin.
    for (int y = 0; y < markers.rows; ++y) {
        int* row = markers.ptr<int>(y);
        for (int x = 0; x < markers.cols; ++x) {
            if (row[x] > 0)
                continue;
            int label = 0;
            for (const cv::Point d : {cv::Point(-1, 0), cv::Point(1, 0), cv::Point(0, -1), cv::Point(0, 1)}) {
                const cv::Point n(x + d.x, y + d.y);
                if (n.x >= 0 && n.y >= 0 && n.x < markers.cols && n.y < markers.rows &&
                    markers.at<int>(n) > 0) {
                    label = markers.at<int>(n);
                    break;
                }
            }
            row[x] = label > 0 ? label : 1;
        }
    }
    markers -= 1;
    count = components - 1;
    return markers;
}

// Black where a pixel's right or lower neighbour lies in another region, on both sides of the
// step: lines two pixels wide that no 4-connected path from one region to another can cross.
cv::Mat outlines(const cv::Mat& labels)
{
    cv::Mat black(labels.size(), CV_8U, cv::Scalar(0));
    for (int y = 0; y < labels.rows; ++y) {
        const int* row = labels.ptr<int>(y);
        const int* below = y + 1 < labels.rows ? labels.ptr<int>(y + 1) : nullptr;
        uchar* out = black.ptr<uchar>(y);
        uchar* out_below = y + 1 < labels.rows ? black.ptr<uchar>(y + 1) : nullptr;
        for (int x = 0; x < labels.cols; ++x) {
            if (x + 1 < labels.cols && row[x + 1] != row[x])
                out[x] = out[x + 1] = 255;
            if (below && below[x] != row[x])
                out[x] = out_below[x] = 255;
        }
    }
    return black;
}

// The white areas of the drawing as regions of their own, each grown over the outline pixels
// nearest to it, so that one region is one area a child fills. Marks the areas too small or too
// thin to brush. Returns the count.
int areas_as_regions(const cv::Mat& black, cv::Mat& regions, std::vector<bool>& unbrushable)
{
    const cv::Mat white = black == 0;
    cv::Mat area_labels, stats, centroids;
    const int count = cv::connectedComponentsWithStats(white, area_labels, stats, centroids, 4, CV_32S) - 1;
    cv::Mat distance, nearest;
    cv::distanceTransform(white, distance, cv::DIST_L2, cv::DIST_MASK_5);
    std::vector<float> widest(static_cast<size_t>(count), 0.0f);
    for (int y = 0; y < white.rows; ++y)
        for (int x = 0; x < white.cols; ++x) {
            const int area = area_labels.at<int>(y, x) - 1;
            if (area >= 0)
                widest[static_cast<size_t>(area)] =
                    std::max(widest[static_cast<size_t>(area)], distance.at<float>(y, x));
        }
    // Each outline pixel takes the area of the nearest white pixel.
    cv::distanceTransform(black, distance, nearest, cv::DIST_L2, cv::DIST_MASK_5, cv::DIST_LABEL_PIXEL);
    regions.create(black.size(), CV_32S);
    std::vector<int> owner(static_cast<size_t>(white.total()) + 1, -1);
    for (int y = 0; y < white.rows; ++y)
        for (int x = 0; x < white.cols; ++x)
            if (white.at<uchar>(y, x))
                owner[static_cast<size_t>(nearest.at<int>(y, x))] = area_labels.at<int>(y, x) - 1;
    for (int y = 0; y < white.rows; ++y)
        for (int x = 0; x < white.cols; ++x)
            regions.at<int>(y, x) = owner[static_cast<size_t>(nearest.at<int>(y, x))];
    unbrushable.assign(static_cast<size_t>(count), false);
    for (int a = 0; a < count; ++a)
        unbrushable[static_cast<size_t>(a)] = stats.at<int>(a + 1, cv::CC_STAT_AREA) < smallest_area ||
                                              widest[static_cast<size_t>(a)] < thinnest_half_width;
    return count;
}

void fill_unbrushable(cv::Mat& black, const cv::Mat& regions, const std::vector<bool>& unbrushable)
{
    for (int y = 0; y < black.rows; ++y)
        for (int x = 0; x < black.cols; ++x)
            if (unbrushable[static_cast<size_t>(regions.at<int>(y, x))])
                black.at<uchar>(y, x) = 255;
}

int area_count(const cv::Mat& black)
{
    cv::Mat labels;
    return cv::connectedComponents(black == 0, labels, 4, CV_32S) - 1;
}

QImage drawn(const cv::Mat& black)
{
    QImage image(black.cols, black.rows, QImage::Format_RGB32);
    for (int y = 0; y < black.rows; ++y) {
        const uchar* in = black.ptr<uchar>(y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < black.cols; ++x)
            out[x] = in[x] ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return image;
}

// The outlines (255) of the watershed from areas flatter than `flatness`, with similar colours merged
// below `similar` while more than `keep` areas are left.
cv::Mat outlines_merged(const cv::Mat& smooth, const cv::Mat& lab, int flatness, float similar, int keep)
{
    int count = 0;
    cv::Mat labels = watershed_regions(smooth, flatness, count);
    {
        RegionGraph graph(labels, lab, count);
        graph.merge_small(smallest_area / 8, RegionGraph::Choice::most_similar);
        graph.merge_similar(similar, keep);
        graph.merge_small(smallest_area, RegionGraph::Choice::most_similar);
        graph.merge_down_to(most_areas);
        labels = graph.relabelled(labels);
        count = graph.alive();
    }
    // Drawing the outlines takes their pixels from the regions, which can leave an area too small or
    // too thin, or cut one in two: such areas join a neighbour until every area can be brushed.
    for (int round = 0;; ++round) {
        cv::Mat black = outlines(labels);
        std::vector<bool> unbrushable;
        count = areas_as_regions(black, labels, unbrushable);
        if (std::find(unbrushable.begin(), unbrushable.end(), true) == unbrushable.end() &&
            count <= most_areas)
            return black;
        // A sliver still left between outlines after the merges is inked over with them.
        if (round == last_merge_round) {
            fill_unbrushable(black, labels, unbrushable);
            return black;
        }
        RegionGraph graph(labels, lab, count);
        graph.merge_small(smallest_area, RegionGraph::Choice::longest_border, unbrushable);
        graph.merge_down_to(most_areas);
        // A page of one area has no neighbour to merge into: it stays as it is.
        if (graph.alive() == count)
            return black;
        labels = graph.relabelled(labels);
    }
}

} // namespace

QImage line_drawing(const QImage& page_photograph)
{
    const cv::Mat page = page_bgr(page_photograph);
    cv::Mat smooth;
    cv::pyrMeanShiftFiltering(page, smooth, 6, 16);
    cv::Mat lab8, lab;
    cv::cvtColor(smooth, lab8, cv::COLOR_BGR2Lab);
    lab8.convertTo(lab, CV_32FC3);
    // Drawing the outlines removes slivers, so merging similar colours stops well above the fewest
    // areas a page holds. A photograph of few colours is merged less, then cut from more and
    // smaller flat areas, until the page has enough areas; failing that, the page with the most.
    cv::Mat most;
    int most_count = -1;
    for (int flatness = flat_gradient; flatness >= last_flat_gradient; flatness /= 2)
        for (auto [keep, similar] = std::pair(2 * fewest_areas, similar_colours); keep <= most_areas;
             keep *= 2, similar /= 2) {
            cv::Mat black = outlines_merged(smooth, lab, flatness, similar, keep);
            const int count = area_count(black);
            if (count >= fewest_areas)
                return drawn(black);
            if (count > most_count)
                most = black, most_count = count;
        }
    return drawn(most);
}

} // namespace places
