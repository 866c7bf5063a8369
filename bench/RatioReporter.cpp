#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        const auto ratio = run.counters.find("ratio");
        const auto bytes = run.counters.find("bytes_per_second");
        const std::string name = run.benchmark_name();
        const auto slash = name.find('/');
        if (ratio == run.counters.end() || bytes == run.counters.end()
            || slash == std::string::npos)
            continue;
        m_figures[name.substr(0, slash)][std::stoi(name.substr(slash + 1))] = {
            ratio->second.value, bytes->second.value / 1e6};
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    const auto table = [this](const char *title, double Figures::*figure) {
        std::printf("\n%s\n%-16s %10s %10s %10s\n", title, "", "1 KB", "100 KB", "1 MB");
        for (const auto &[operation, bySize] : m_figures) {
            std::printf("%-16s", operation.c_str());
            for (const int size : {1, 100, 1024}) {
                const auto it = bySize.find(size);
                if (it == bySize.end())
                    std::printf(" %10s", "-");
                else
                    std::printf(" %10.2f", it->second.*figure);
            }
            std::printf("\n");
        }
    };
    table("Ratio to the baseline over the same bytes, by answer size", &Figures::ratio);
    table("Throughput in MB/s, by answer size", &Figures::megabytesPerSecond);
    std::fflush(stdout);
}
