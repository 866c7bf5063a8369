#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        const auto ratio = run.counters.find("ratio");
        const std::string name = run.benchmark_name();
        const auto slash = name.find('/');
        if (ratio == run.counters.end() || slash == std::string::npos)
            continue;
        m_ratios[name.substr(0, slash)][std::stoi(name.substr(slash + 1))] = ratio->second.value;
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\nRatio to the baseline over the same bytes, by answer size\n");
    std::printf("%-16s %10s %10s %10s %10s\n", "", "1 KB", "100 KB", "1 MB", "max/min");
    for (const auto &[operation, bySize] : m_ratios) {
        std::printf("%-16s", operation.c_str());
        double low = 1e300, high = 0;
        for (const int size : {1, 100, 1024}) {
            const auto it = bySize.find(size);
            if (it == bySize.end()) {
                std::printf(" %10s", "-");
                continue;
            }
            std::printf(" %10.2f", it->second);
            low = std::min(low, it->second);
            high = std::max(high, it->second);
        }
        std::printf(" %10.2f\n", high > 0 ? high / low : 0.0);
    }
    std::fflush(stdout);
}
