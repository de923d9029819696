#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
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
            const double each_cpu = run.cpu_accumulated_time / double(run.iterations);
            if (run.run_type == Run::RT_Iteration) {
                seconds_.emplace(run.run_name.str(), each);
                cpu_seconds_.emplace(run.run_name.str(), each_cpu);
                for (const auto& [name, counter] : run.counters)
                    counters_[run.run_name.str() + "/" + name] = counter.value;
            } else if (run.aggregate_name == "median") {
                seconds_[run.run_name.str()] = each;
                cpu_seconds_[run.run_name.str()] = each_cpu;
                for (const auto& [name, counter] : run.counters)
                    counters_[run.run_name.str() + "/" + name] = counter.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double seconds(const std::string& name) const { return found(seconds_, name); }
    double cpu_seconds(const std::string& name) const { return found(cpu_seconds_, name); }
    double counter(const std::string& name) const { return found(counters_, name); }

    // A time against its limit: "<what>  1.23 ms  target < 1.5 ms  met", and the processor time
    // of the same run when given.
    static void time_line(const std::string& what, double seconds, double limit_ms, double cpu_seconds = -1)
    {
        const double ms = seconds * 1e3;
        std::printf("%-58s %8.3f ms   target < %g ms   %-7s", what.c_str(), ms, limit_ms,
                    seconds <= 0    ? "not run"
                    : ms < limit_ms ? "met"
                                    : "missed");
        if (cpu_seconds >= 0)
            std::printf(" (processor time: %.3f ms)", cpu_seconds * 1e3);
        std::printf("\n");
    }
    // The median wall time of a benchmark against its limit, with its processor time.
    void time_line(const std::string& what, const std::string& name, double limit_ms) const
    {
        time_line(what, seconds(name), limit_ms, cpu_seconds(name));
    }
    // A ratio to a peer or floor against its limit: "<what>  1.23 x  target <= 1.5 x  met".
    static void ratio_line(const std::string& what, double ratio, double limit)
    {
        std::printf("%-58s %8.2f x    target <= %g x   %s\n", what.c_str(), ratio, limit,
                    ratio <= 0       ? "not run"
                    : ratio <= limit ? "met"
                                     : "missed");
    }
    // A ratio of two measured benchmarks in wall time, which the target is for, followed by the
    // same ratio in processor time, which a machine shared with other work does not inflate.
    void ratio_line(const std::string& what, const std::string& measured, const std::string& floor,
                    double limit) const
    {
        const double base = seconds(floor);
        const double cpu_base = cpu_seconds(floor);
        const double cpu_ratio = cpu_base > 0 ? cpu_seconds(measured) / cpu_base : 0;
        std::printf("%-58s %8.2f x    target <= %g x   %-7s (processor time: %.2f x, %s)\n", what.c_str(),
                    base > 0 ? seconds(measured) / base : 0, limit, verdict(seconds(measured), base, limit),
                    cpu_ratio, verdict(cpu_seconds(measured), cpu_base, limit));
    }

private:
    static const char* verdict(double measured, double base, double limit)
    {
        return measured <= 0 || base <= 0 ? "not run" : measured / base <= limit ? "met" : "missed";
    }
    static double found(const std::map<std::string, double>& values, const std::string& name)
    {
        const auto it = values.find(name);
        return it == values.end() ? 0 : it->second;
    }

    std::map<std::string, double> seconds_;
    std::map<std::string, double> cpu_seconds_;
    std::map<std::string, double> counters_;
};

// The main of a benchmark executable: runs the benchmarks the command line selects with a
// TargetReporter, then `print_targets` prints the figures held to targets.
inline int run_benchmarks(int argc, char** argv,
                          const std::function<void(const TargetReporter&)>& print_targets)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    print_targets(reporter);
    benchmark::Shutdown();
    return 0;
}
