#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        const auto median = run.counters.find(Median);
        nanoseconds_[run.benchmark_name()] =
            median != run.counters.end()
                ? median->second.value
                : run.GetAdjustedRealTime() *
                      benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                      benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

int RatioReporter::printRatios(const std::vector<Figure>& figures) const {
    int status = 0;
    std::printf("\n%-52s %12s %12s %8s %8s\n", "figure", "ns", "baseline ns", "ratio", "target");
    for (const Figure& f : figures) {
        const auto a = nanoseconds_.find(f.benchmark);
        const auto b = nanoseconds_.find(f.baseline);
        if (a == nanoseconds_.end() || b == nanoseconds_.end())
            continue;
        const double ratio = a->second / b->second;
        const bool met = (f.target <= 0 || ratio <= f.target) &&
                         (f.ceilingMs <= 0 || a->second <= f.ceilingMs * 1e6);
        status |= met ? 0 : 1;
        char target[24] = "-";
        if (f.target > 0)
            std::snprintf(target, sizeof target, "<= %.2f", f.target);
        else if (f.ceilingMs > 0)
            std::snprintf(target, sizeof target, "< %g ms", f.ceilingMs);
        std::printf("%-52s %12.0f %12.0f %8.2f %8s%s\n", f.title.c_str(), a->second, b->second,
                    ratio, target, met ? "" : "  MISSED");
    }
    return status;
}

int runWithRatios(int argc, char** argv, const std::vector<RatioReporter::Figure>& figures) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printRatios(figures);
    // A benchmark is not a test: a missed target is reported, not failed.
    return 0;
}
