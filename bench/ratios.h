#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

// A measurement set beside its floor, and how many times the floor it may take (0: no goal).
struct Ratio
{
    std::string measured;
    std::string floor;
    double goal;
};

// Prints the runs as the console reporter does and keeps, for each benchmark, its median real
// time per iteration (the single run's time when there is one run), to print the ratios after.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit RatioReporter(std::vector<Ratio> ratios) : m_ratios(std::move(ratios)) { }

    void ReportRuns(const std::vector<Run> &runs) override;
    // Prints each ratio with its goal, then every median time. Returns whether every ratio is
    // at or under its goal.
    bool printRatios() const;
    // Whether any benchmark stopped with an error.
    bool failed() const { return m_failed; }

private:
    std::vector<Ratio> m_ratios;
    std::map<std::string, double> m_seconds; // median real time per iteration
    bool m_failed = false;
};
