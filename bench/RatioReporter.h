#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// The console report, followed by each operation's ratio to its baseline and
// its throughput by answer size. A cost that grows linearly with the text
// keeps both flat; a quadratic one would multiply the ratio by ten from
// 100 KB to 1 MB.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

private:
    struct Figures
    {
        double ratio = 0;
        double megabytesPerSecond = 0;
    };
    std::map<std::string, std::map<int, Figures>> m_figures; // by operation, then size in KB
};
