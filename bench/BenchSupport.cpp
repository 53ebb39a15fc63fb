#include "BenchSupport.h"

#include <cstdio>
#include <map>
#include <string>

namespace quarlin::bench {

namespace {

std::string readable(double seconds)
{
    char text[32];
    if (seconds >= 1.0)
        std::snprintf(text, sizeof text, "%.3g s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.3g ms", seconds * 1e3);
    else if (seconds >= 1e-6)
        std::snprintf(text, sizeof text, "%.3g us", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.3g ns", seconds * 1e9);
    return text;
}

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(std::vector<Run> const& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (Run const& run : runs) {
            if (run.error_occurred)
                continue;
            // In seconds, whatever unit each benchmark reports in.
            double const seconds =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_times[run.run_name.str()] = seconds;
            else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
                m_times[run.benchmark_name()] = seconds;
        }
    }

    void printRatios(std::vector<Comparison> const& comparisons) const
    {
        for (Comparison const& c : comparisons) {
            auto const measured = m_times.find(c.measured);
            auto const baseline = m_times.find(c.baseline);
            if (measured == m_times.end() || baseline == m_times.end() || baseline->second <= 0.0)
                continue;
            std::printf("%-44s %7.3g  (%s vs %s)\n", c.label.c_str(), measured->second / baseline->second,
                        readable(measured->second).c_str(), readable(baseline->second).c_str());
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
