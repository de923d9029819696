#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Every figure a benchmark is held to is printed on one line after the usual table: the figure,
// its target, "met" or "missed", and where there is a peer or a floor the ratio to it, all from
// the same run.
class TargetReporter : public benchmark::ConsoleReporter {
public:
    // Keeps each benchmark's wall time a run (seconds), or the median when run with repetitions.
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations <= 0)
                continue;
            const double each = run.real_accumulated_time / double(run.iterations);
            if (run.run_type == Run::RT_Iteration) {
                seconds_.emplace(run.run_name.str(), each);
                for (const auto& [name, counter] : run.counters)
                    counters_[run.run_name.str() + "/" + name] = counter.value;
            } else if (run.aggregate_name == "median") {
                seconds_[run.run_name.str()] = each;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double seconds(const std::string& name) const { return found(seconds_, name); }
    double counter(const std::string& name) const { return found(counters_, name); }

    // A time against its limit: "<what>  1.23 ms  target < 1.5 ms  met".
    static void time_line(const std::string& what, double seconds, double limit_ms)
    {
        const double ms = seconds * 1e3;
        std::printf("%-58s %8.3f ms   target < %g ms   %s\n", what.c_str(), ms, limit_ms,
                    seconds <= 0    ? "not run"
                    : ms < limit_ms ? "met"
                                    : "missed");
    }
    // A ratio to a peer or floor against its limit: "<what>  1.23 x  target <= 1.5 x  met".
    static void ratio_line(const std::string& what, double ratio, double limit)
    {
        std::printf("%-58s %8.2f x    target <= %g x   %s\n", what.c_str(), ratio, limit,
                    ratio <= 0       ? "not run"
                    : ratio <= limit ? "met"
                                     : "missed");
    }
    // A ratio of two measured benchmarks.
    void ratio_line(const std::string& what, const std::string& measured, const std::string& floor,
                    double limit) const
    {
        const double base = seconds(floor);
        ratio_line(what, base > 0 ? seconds(measured) / base : 0, limit);
    }

private:
    static double found(const std::map<std::string, double>& values, const std::string& name)
    {
        const auto it = values.find(name);
        return it == values.end() ? 0 : it->second;
    }

    std::map<std::string, double> seconds_;
    std::map<std::string, double> counters_;
};
