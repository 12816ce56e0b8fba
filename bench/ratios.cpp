#include "ratios.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.error_occurred) {
            m_failed = true;
            continue;
        }
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (single || median)
            m_seconds[run.run_name.function_name] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
}

bool RatioReporter::printRatios() const
{
    bool met = true;
    std::printf("\n%-30s %12s %12s %8s %8s\n", "measured / floor", "measured", "floor", "ratio",
                "goal");
    for (const Ratio &r : m_ratios) {
        const auto measured = m_seconds.find(r.measured);
        const auto floor = m_seconds.find(r.floor);
        if (measured == m_seconds.end() || floor == m_seconds.end())
            continue; // filtered out of this run
        const double ratio = measured->second / floor->second;
        const bool within = r.goal == 0 || ratio <= r.goal;
        met = met && within;
        std::printf("%-30s %9.2f us %9.2f us %8.2f", (r.measured + " / " + r.floor).c_str(),
                    measured->second * 1e6, floor->second * 1e6, ratio);
        if (r.goal > 0)
            std::printf(" %8.2f%s", r.goal, within ? "" : "  over the goal");
        std::printf("\n");
    }
    std::printf("\nMedian real time per iteration:\n");
    for (const auto &[name, seconds] : m_seconds)
        std::printf("  %-28s %12.0f ns\n", name.c_str(), seconds * 1e9);
    return met;
}
