#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

// Prints Google Benchmark's own table, then each figure beside its baseline as a ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Figure {
        std::string title;
        std::string benchmark;
        std::string baseline;
        double target = 0;    // 0: no target
        double ceilingMs = 0; // 0: none; else the figure's own time must stay under it
    };

    // The counter, in nanoseconds, a benchmark that times each of its iterations gives their
    // median in; its figures then compare medians rather than means.
    static constexpr const char* Median = "median_ns";

    void ReportRuns(const std::vector<Run>& runs) override;
    // Returns 0, or 1 when a ratio or a time misses its target.
    int printRatios(const std::vector<Figure>& figures) const;

private:
    std::map<std::string, double> nanoseconds_;
};

int runWithRatios(int argc, char** argv, const std::vector<RatioReporter::Figure>& figures);
