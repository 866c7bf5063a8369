#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// The console report, followed by each operation's ratio to its baseline by
// answer size: a flat row is a cost that grows linearly with the text.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

private:
    std::map<std::string, std::map<int, double>> m_ratios; // by operation, then size in KB
};
