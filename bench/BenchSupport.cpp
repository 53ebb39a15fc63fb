#include "BenchSupport.h"

#include <cstdio>
#include <map>

namespace quarlin::bench {

namespace {

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(std::vector<Run> const& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (Run const& run : runs) {
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_times[run.run_name.str()] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
                m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    void printRatios(std::vector<Comparison> const& comparisons) const
    {
        for (Comparison const& c : comparisons) {
            auto const measured = m_times.find(c.measured);
            auto const baseline = m_times.find(c.baseline);
            if (measured == m_times.end() || baseline == m_times.end() || baseline->second <= 0.0)
                continue;
            std::printf("%-28s %.2f  (%.4g vs %.4g, in the table's unit)\n", c.label.c_str(),
                        measured->second / baseline->second, measured->second, baseline->second);
        }
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int runWithRatios(int argc, char** argv, std::vector<Comparison> const& comparisons)
{
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=7";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1) {
        args.push_back(repetitions);
        args.push_back(interleave);
        args.push_back(aggregatesOnly);
    }
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios(comparisons);
    benchmark::Shutdown();
    return 0;
}

} // namespace quarlin::bench
