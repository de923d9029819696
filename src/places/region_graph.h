#pragma once

#include <opencv2/core.hpp>

#include <unordered_map>
#include <vector>

namespace places {

// The regions of a label map as a graph: each region's area and mean colour, and for each pair of
// touching regions the length of their shared border. Regions are merged pairwise; the label map
// is rewritten once at the end (relabelled).
class RegionGraph {
public:
    // `labels` (CV_32S, values 0 .. count-1) over `colours` (CV_32FC3, e.g. Lab), of the same size.
    // A region's colour is the mean over its pixels set in `seen` (CV_8U), or over all without it:
    // an area of a drawing looks like the photograph under its white, not under its outline.
    RegionGraph(const cv::Mat& labels, const cv::Mat& colours, int count, const cv::Mat& seen = {});

    int alive() const { return alive_; }
    // Merges, most similar pair first, while the pair's colour distance is below `distance` and
    // more than `keep` regions are left.
    void merge_similar(float distance, int keep);
    // How a region too small is given a neighbour: the most similar in colour, or the one it shares
    // the longest border with (a sliver between outlines belongs to what surrounds it).
    enum class Choice { most_similar, longest_border };
    // Merges each region below `area` pixels, or marked in `too_thin`, into the neighbour `choice`
    // picks among those that are neither, smallest first.
    void merge_small(int area, Choice choice, const std::vector<bool>& too_thin = {});
    // Merges the cheapest pairs until at most `count` regions are left, a pair costing its colour
    // distance squared times the areas' harmonic mean (Ward's criterion): small patches of texture
    // go into their surroundings long before two large areas of different colours meet.
    void merge_down_to(int count);
    // `labels` rewritten to the merged regions, numbered 0 .. alive()-1.
    cv::Mat relabelled(const cv::Mat& labels);

private:
    struct Region {
        cv::Vec3d sum;
        int area = 0;
        int seen = 0;                         // the pixels in `sum`
        std::unordered_map<int, int> borders; // neighbour -> shared border length
        int version = 0;                      // grows with every merge into the region
    };

    float distance(int a, int b) const;
    float ward_cost(int a, int b) const;
    // Merges the pairs of least `cost` first while it is below `limit` and more than `keep` are left.
    template <typename Cost> void merge_cheapest(const Cost& cost, float limit, int keep);
    int find(int region);
    // The neighbour `choice` picks among those not marked in `avoid`, or among all when all are.
    int chosen_neighbour(int region, Choice choice, const std::vector<bool>& avoid) const;
    // Merges the smaller region of a pair into the larger and returns the one left.
    int merge_pair(int a, int b);
    void merge(int from, int into);

    std::vector<Region> regions_;
    std::vector<int> parent_;
    int alive_ = 0;
};

} // namespace places
