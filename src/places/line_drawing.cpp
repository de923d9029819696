#include "places/line_drawing.h"

#include "places/region_graph.h"

#include <opencv2/imgproc.hpp>

namespace places {

namespace {

// Colour differences are measured in CIE Lab (OpenCV's 8-bit scale), where equal steps look equal.
constexpr float similar_colours = 14.0f;
// The least colour step a person sees between two areas (CIE76, in Lab's own units): areas closer
// than it are one area.
constexpr float visible_step = 6.0f;
// Rounds of merging areas the outlines left too small; what is left after them is inked over.
constexpr int last_merge_round = 6;
// A flat area: the largest colour step to a neighbour, summed over both directions. A photograph
// of soft gradients has few such areas: the bound is then halved, down to the last one; the level of
// most detail goes a step further, into the faint edges of a sky or a plain.
constexpr int flat_gradient = 24;
constexpr int last_flat_gradient = 6;
constexpr int last_flat_gradient_of_most_detail = 3;
// An area the brush cannot get into: no pixel of it further than this from its outline.
constexpr float thinnest_half_width = 2.5f;
// Borders are smoothed as a Gaussian of this width would smooth them: the stair-steps and wiggles of
// the segmentation go, the shapes stay.
constexpr double border_smoothing = 5.0;
// The middle of an outline between two merged areas is smoothed less: its sides are smooth already,
// and each smoothing also shrinks the small areas further.
constexpr double midline_smoothing = 3.5;

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
// step, widened by a pixel on either side: lines outline_width pixels wide that no 4-connected path
// from one region to another can cross.
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
    static_assert(outline_width == 4, "a two-pixel step widened by one pixel on each side");
    cv::dilate(black, black, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(3, 3)));
    return black;
}

// The regions' borders smoothed: each region's mask blurred by a Gaussian, and each pixel given to
// the region whose blurred mask is strongest there. The regions stay a partition of the page, so
// every border drawn from them stays closed.
cv::Mat smoothed_regions(const cv::Mat& labels, int count, double sigma = border_smoothing)
{
    std::vector<cv::Rect> boxes(static_cast<size_t>(count));
    for (int y = 0; y < labels.rows; ++y)
        for (int x = 0; x < labels.cols; ++x) {
            cv::Rect& box = boxes[static_cast<size_t>(labels.at<int>(y, x))];
            box = box.empty() ? cv::Rect(x, y, 1, 1) : box | cv::Rect(x, y, 1, 1);
        }
    const int reach = static_cast<int>(std::ceil(3 * sigma));
    const cv::Rect page(0, 0, labels.cols, labels.rows);
    cv::Mat strongest(labels.size(), CV_32F, cv::Scalar(-1));
    cv::Mat smoothed = labels.clone();
    for (int region = 0; region < count; ++region) {
        const cv::Rect box = boxes[static_cast<size_t>(region)];
        if (box.empty())
            continue;
        const cv::Rect around =
            cv::Rect(box.x - reach, box.y - reach, box.width + 2 * reach, box.height + 2 * reach) & page;
        cv::Mat mask;
        cv::Mat(labels(around) == region).convertTo(mask, CV_32F, 1.0 / 255);
        cv::GaussianBlur(mask, mask, cv::Size(), sigma, 0, cv::BORDER_REPLICATE);
        for (int y = 0; y < around.height; ++y) {
            const float* weight = mask.ptr<float>(y);
            float* best = strongest.ptr<float>(around.y + y) + around.x;
            int* owner = smoothed.ptr<int>(around.y + y) + around.x;
            for (int x = 0; x < around.width; ++x)
                if (weight[x] > best[x])
                    best[x] = weight[x], owner[x] = region;
        }
    }
    return smoothed;
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

int white_areas(const cv::Mat& black)
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

// The page's colours in CIE Lab's own units, where a step of 1 is about the least a person sees
// side by side.
cv::Mat true_lab(const cv::Mat& bgr)
{
    cv::Mat scaled, lab;
    bgr.convertTo(scaled, CV_32FC3, 1.0 / 255);
    cv::cvtColor(scaled, lab, cv::COLOR_BGR2Lab);
    return lab;
}

struct Segmentation {
    cv::Mat smooth;   // the photograph with its texture flattened
    cv::Mat lab;      // of smooth, OpenCV's 8-bit Lab scale
    cv::Mat seen_lab; // of the photograph, Lab's own units
};

// The regions of the watershed from areas flatter than `flatness`, with similar colours merged below
// `similar`, then the cheapest pairs down to what the level aims at; their borders smoothed, then
// every pair that looks alike merged. Returns the label map with its count.
cv::Mat merged_regions(const Segmentation& page, int flatness, float similar, AreaRange range, int& count)
{
    cv::Mat labels = watershed_regions(page.smooth, flatness, count);
    {
        RegionGraph graph(labels, page.lab, count);
        graph.merge_small(smallest_area / 8, RegionGraph::Choice::most_similar);
        graph.merge_similar(similar, 3 * range.most);
        graph.merge_small(smallest_area, RegionGraph::Choice::most_similar);
        // Aimed above the middle of the range: the outlines and the look-alikes take some areas away.
        graph.merge_down_to(range.most - (range.most - range.fewest) / 4);
        labels = graph.relabelled(labels);
        count = graph.alive();
    }
    // Smoothing can take a thin region away and make two others neighbours: they are asked only then.
    labels = smoothed_regions(labels, count);
    RegionGraph seen(labels, page.seen_lab, count);
    seen.merge_similar(visible_step, 1);
    count = seen.alive();
    return seen.relabelled(labels);
}

// The outlines (255) of `labels` (of `regions`), merged until every area between them can be brushed, no two
// neighbours look alike in `seen_lab` and there are at most `most` of them.
cv::Mat brushable_outlines(cv::Mat labels, int regions, const cv::Mat& seen_lab, int most)
{
    // Drawing the outlines takes their pixels from the regions, which can leave an area too small or
    // too thin, or cut one in two: such areas join a neighbour until every area can be brushed.
    for (int round = 0, count = regions;; ++round) {
        // The areas of the last round meet along the middle of the outlines between them: those
        // borders are smoothed again before they are drawn.
        if (round > 0)
            labels = smoothed_regions(labels, count, midline_smoothing);
        cv::Mat black = outlines(labels);
        std::vector<bool> unbrushable;
        count = areas_as_regions(black, labels, unbrushable);
        RegionGraph graph(labels, seen_lab, count, black == 0);
        graph.merge_similar(visible_step, 1);
        if (graph.alive() == count &&
            std::find(unbrushable.begin(), unbrushable.end(), true) == unbrushable.end() && count <= most)
            return black;
        // A sliver still left between outlines after the merges is inked over with them.
        if (round == last_merge_round) {
            fill_unbrushable(black, labels, unbrushable);
            return black;
        }
        graph.merge_small(smallest_area, RegionGraph::Choice::longest_border, unbrushable);
        graph.merge_down_to(most);
        // A page of one area has no neighbour to merge into: it stays as it is.
        if (graph.alive() == count)
            return black;
        labels = graph.relabelled(labels);
        count = graph.alive();
    }
}

} // namespace

AreaRange area_range(DetailLevel detail)
{
    switch (detail) {
    case DetailLevel::fewer:
        return {12, 30};
    case DetailLevel::usual:
        return {20, 50};
    case DetailLevel::more:
        return {35, 80};
    }
    return {20, 50};
}

QImage line_drawing(const QImage& page_photograph, DetailLevel detail)
{
    Segmentation page;
    const cv::Mat bgr = page_bgr(page_photograph);
    cv::pyrMeanShiftFiltering(bgr, page.smooth, 6, 16);
    cv::Mat lab8;
    cv::cvtColor(page.smooth, lab8, cv::COLOR_BGR2Lab);
    lab8.convertTo(page.lab, CV_32FC3);
    page.seen_lab = true_lab(bgr);
    const AreaRange range = area_range(detail);
    // A photograph of few colours is merged less, then cut from more and smaller flat areas, until
    // the page has enough areas; failing that, the page with the most.
    cv::Mat most;
    int most_count = -1;
    const int last_flatness =
        detail == DetailLevel::more ? last_flat_gradient_of_most_detail : last_flat_gradient;
    for (auto [flatness, similar] = std::pair(flat_gradient, similar_colours); flatness >= last_flatness;
         flatness /= 2, similar /= 2) {
        int regions = 0;
        const cv::Mat labels = merged_regions(page, flatness, similar, range, regions);
        cv::Mat black = brushable_outlines(labels, regions, page.seen_lab, range.most);
        const int count = white_areas(black);
        if (count >= range.fewest)
            return drawn(black);
        if (count > most_count)
            most = black, most_count = count;
    }
    return drawn(most);
}

int area_count(const QImage& drawing)
{
    const QImage rgb = drawing.convertToFormat(QImage::Format_RGB32);
    cv::Mat black(rgb.height(), rgb.width(), CV_8U);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = black.ptr<uchar>(y);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = qGray(in[x]) < 128 ? 255 : 0;
    }
    return white_areas(black);
}

} // namespace places
