// What a property adds to the signal it wraps: Property<T>::setValue with one listener against
// a bare boost::signals2 emit of the same values to one slot, measured in the same run. Both
// sides alternate between two values, so every property call is a real change (validate,
// compare, store, read back, emit through the base-class hook and the listener).

#include "property/Property.h"

#include <benchmark/benchmark.h>

#include <boost/signals2/signal.hpp>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Two values per case, alternated. Text comes short (kept inside std::string, no allocation)
// and long (on the heap): announcing a change hands listeners a copy of the held value, and for
// long text that copy allocates.
struct Int
{
    using Type = int;
    static int get(std::size_t i) { return static_cast<int>(i & 1U); }
};

struct ShortText
{
    using Type = std::string;
    static std::string const& get(std::size_t i)
    {
        static std::string const pair[2] = {"Zone 1", "Zone 2"};
        return pair[i & 1U];
    }
};

struct LongText
{
    using Type = std::string;
    static std::string const& get(std::size_t i)
    {
        static std::string const pair[2] = {"Zone 1: Temperature [K]", "Zone 2: Temperature [K]"};
        return pair[i & 1U];
    }
};

template <class T>
void consume(T const& value)
{
    benchmark::DoNotOptimize(&value);
}

template <class Values>
void BareSignalEmit(benchmark::State& state)
{
    using T = typename Values::Type;
    boost::signals2::signal<void(T const&)> signal;
    signal.connect(&consume<T>);
    std::size_t i = 0;
    for (auto _ : state)
        signal(Values::get(++i));
}

template <class Values>
void PropertySetValue(benchmark::State& state)
{
    using T = typename Values::Type;
    quarlin::Property<T> property(Values::get(0));
    boost::signals2::scoped_connection const listener = property.connectToValueChangedSignal(&consume<T>);
    std::size_t i = 0;
    for (auto _ : state)
        property.setValue(Values::get(++i));
}

BENCHMARK_TEMPLATE(BareSignalEmit, Int);
BENCHMARK_TEMPLATE(PropertySetValue, Int);
BENCHMARK_TEMPLATE(BareSignalEmit, ShortText);
BENCHMARK_TEMPLATE(PropertySetValue, ShortText);
BENCHMARK_TEMPLATE(BareSignalEmit, LongText);
BENCHMARK_TEMPLATE(PropertySetValue, LongText);

// Prints the usual table, then each property figure as a ratio to its baseline.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(std::vector<Run> const& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // The median of the repetitions when there are several, else the single run: this
        // machine's neighbours make single figures jump, a median much less so.
        for (Run const& run : runs) {
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_nanoseconds[run.run_name.str()] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
                m_nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    void printRatios() const
    {
        for (char const* type : {"Int", "ShortText", "LongText"}) {
            auto const bare = m_nanoseconds.find(std::string("BareSignalEmit<") + type + ">");
            auto const property = m_nanoseconds.find(std::string("PropertySetValue<") + type + ">");
            if (bare == m_nanoseconds.end() || property == m_nanoseconds.end() || bare->second <= 0.0)
                continue;
            std::printf("%-9s setValue / bare signal emit: %.2f (%.1f ns vs %.1f ns)\n", type,
                        property->second / bare->second, property->second, bare->second);
        }
    }

private:
    std::map<std::string, double> m_nanoseconds;
};

} // namespace

int main(int argc, char** argv)
{
    // Unless told otherwise: interleaved repetitions, compared by their medians.
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=7";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    if (argc == 1) {
        args.push_back(repetitions);
        args.push_back(interleave);
        args.push_back(aggregatesOnly);
    }
    argc = static_cast<int>(args.size());
    args.push_back(nullptr);
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
