#include "places/region_graph.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <queue>

namespace places {

RegionGraph::RegionGraph(const cv::Mat& labels, const cv::Mat& colours, int count, const cv::Mat& seen)
    : regions_(static_cast<size_t>(count)), parent_(static_cast<size_t>(count)), alive_(count)
{
    std::iota(parent_.begin(), parent_.end(), 0);
    for (int y = 0; y < labels.rows; ++y) {
        const int* row = labels.ptr<int>(y);
        const int* below = y + 1 < labels.rows ? labels.ptr<int>(y + 1) : nullptr;
        const cv::Vec3f* colour = colours.ptr<cv::Vec3f>(y);
        const uchar* counted = seen.empty() ? nullptr : seen.ptr<uchar>(y);
        for (int x = 0; x < labels.cols; ++x) {
            Region& region = regions_[static_cast<size_t>(row[x])];
            if (!counted || counted[x]) {
                region.sum += cv::Vec3d(colour[x]);
                ++region.seen;
            }
            ++region.area;
            if (x + 1 < labels.cols && row[x + 1] != row[x]) {
                ++region.borders[row[x + 1]];
                ++regions_[static_cast<size_t>(row[x + 1])].borders[row[x]];
            }
            if (below && below[x] != row[x]) {
                ++region.borders[below[x]];
                ++regions_[static_cast<size_t>(below[x])].borders[row[x]];
            }
        }
    }
    // A label without pixels (a watershed basin its own lines covered) is no region.
    alive_ = static_cast<int>(std::count_if(regions_.begin(), regions_.end(),
                                            [](const Region& region) { return region.area > 0; }));
}

float RegionGraph::distance(int a, int b) const
{
    const Region& ra = regions_[static_cast<size_t>(a)];
    const Region& rb = regions_[static_cast<size_t>(b)];
    return static_cast<float>(cv::norm(ra.sum / std::max(1, ra.seen) - rb.sum / std::max(1, rb.seen)));
}

float RegionGraph::ward_cost(int a, int b) const
{
    const double na = regions_[static_cast<size_t>(a)].area, nb = regions_[static_cast<size_t>(b)].area;
    const double d = distance(a, b);
    return static_cast<float>(d * d * na * nb / (na + nb));
}

int RegionGraph::find(int region)
{
    while (parent_[static_cast<size_t>(region)] != region) {
        parent_[static_cast<size_t>(region)] =
            parent_[static_cast<size_t>(parent_[static_cast<size_t>(region)])];
        region = parent_[static_cast<size_t>(region)];
    }
    return region;
}

int RegionGraph::chosen_neighbour(int region, Choice choice, const std::vector<bool>& avoid) const
{
    int best = -1;
    float best_cost = std::numeric_limits<float>::max();
    bool best_avoided = true;
    for (const auto& [neighbour, length] : regions_[static_cast<size_t>(region)].borders) {
        const bool avoided = avoid[static_cast<size_t>(neighbour)];
        const float cost = choice == Choice::most_similar ? distance(region, neighbour) : -float(length);
        if ((best_avoided && !avoided) || (avoided == best_avoided && cost < best_cost))
            best = neighbour, best_cost = cost, best_avoided = avoided;
    }
    return best;
}

void RegionGraph::merge(int from, int into)
{
    Region& source = regions_[static_cast<size_t>(from)];
    Region& target = regions_[static_cast<size_t>(into)];
    target.sum += source.sum;
    target.area += source.area;
    target.seen += source.seen;
    for (const auto& [neighbour, length] : source.borders) {
        auto& theirs = regions_[static_cast<size_t>(neighbour)].borders;
        theirs.erase(from);
        if (neighbour == into)
            continue;
        target.borders[neighbour] += length;
        theirs[into] += length;
    }
    target.borders.erase(from);
    source.borders.clear();
    ++target.version;
    ++source.version;
    parent_[static_cast<size_t>(from)] = into;
    --alive_;
}

int RegionGraph::merge_pair(int a, int b)
{
    const bool a_smaller = regions_[static_cast<size_t>(a)].area < regions_[static_cast<size_t>(b)].area;
    merge(a_smaller ? a : b, a_smaller ? b : a);
    return a_smaller ? b : a;
}

void RegionGraph::merge_similar(float limit, int keep)
{
    merge_cheapest([this](int a, int b) { return distance(a, b); }, limit, keep);
}

template <typename Cost> void RegionGraph::merge_cheapest(const Cost& cost, float limit, int keep)
{
    // Pairs wait in a queue, cheapest first; a pair whose region changed since it was queued is
    // stale and skipped, as the merge queued the changed region's pairs anew.
    struct Pair {
        float distance;
        int a, b, version_a, version_b;
        bool operator>(const Pair& other) const { return distance > other.distance; }
    };
    std::priority_queue<Pair, std::vector<Pair>, std::greater<>> queue;
    const auto enqueue = [&](int a) {
        for (const auto& [b, length] : regions_[static_cast<size_t>(a)].borders)
            queue.push({cost(a, b), a, b, regions_[static_cast<size_t>(a)].version,
                        regions_[static_cast<size_t>(b)].version});
    };
    for (int r = 0; r < static_cast<int>(regions_.size()); ++r)
        if (parent_[static_cast<size_t>(r)] == r)
            enqueue(r);
    while (alive_ > keep && !queue.empty()) {
        const Pair pair = queue.top();
        queue.pop();
        if (pair.distance >= limit)
            return;
        if (parent_[static_cast<size_t>(pair.a)] != pair.a ||
            parent_[static_cast<size_t>(pair.b)] != pair.b ||
            regions_[static_cast<size_t>(pair.a)].version != pair.version_a ||
            regions_[static_cast<size_t>(pair.b)].version != pair.version_b)
            continue;
        enqueue(merge_pair(pair.a, pair.b));
    }
}

void RegionGraph::merge_small(int area, Choice choice, const std::vector<bool>& too_thin)
{
    std::vector<int> order;
    for (int r = 0; r < static_cast<int>(regions_.size()); ++r)
        if (parent_[static_cast<size_t>(r)] == r)
            order.push_back(r);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return regions_[static_cast<size_t>(a)].area < regions_[static_cast<size_t>(b)].area;
    });
    std::vector<bool> unfit(regions_.size(), false);
    for (int r = 0; r < static_cast<int>(regions_.size()); ++r)
        unfit[static_cast<size_t>(r)] =
            regions_[static_cast<size_t>(r)].area < area ||
            (r < static_cast<int>(too_thin.size()) && too_thin[static_cast<size_t>(r)]);
    for (const int r : order) {
        if (parent_[static_cast<size_t>(r)] != r || !unfit[static_cast<size_t>(r)])
            continue;
        const int into = chosen_neighbour(r, choice, unfit);
        if (into < 0)
            continue;
        merge(r, into);
        unfit[static_cast<size_t>(into)] = regions_[static_cast<size_t>(into)].area < area;
    }
}

void RegionGraph::merge_down_to(int count)
{
    merge_cheapest([this](int a, int b) { return ward_cost(a, b); }, std::numeric_limits<float>::max(),
                   count);
}

cv::Mat RegionGraph::relabelled(const cv::Mat& labels)
{
    std::vector<int> number(regions_.size(), -1);
    int next = 0;
    for (int r = 0; r < static_cast<int>(regions_.size()); ++r) {
        const int root = find(r);
        if (regions_[static_cast<size_t>(root)].area == 0)
            continue;
        if (number[static_cast<size_t>(root)] < 0)
            number[static_cast<size_t>(root)] = next++;
        number[static_cast<size_t>(r)] = number[static_cast<size_t>(root)];
    }
    cv::Mat out(labels.size(), CV_32S);
    for (int y = 0; y < labels.rows; ++y) {
        const int* in = labels.ptr<int>(y);
        int* row = out.ptr<int>(y);
        for (int x = 0; x < labels.cols; ++x)
            row[x] = number[static_cast<size_t>(in[x])];
    }
    return out;
}

} // namespace places
