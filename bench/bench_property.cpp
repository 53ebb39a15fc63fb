// What a property adds to the signal it wraps: Property<T>::setValue with one listener against
// a bare boost::signals2 emit of the same values to one slot, and with nobody listening against
// a plain store of the same values, measured in the same run. Both sides alternate between two
// values, so every property call is a real change (validate, compare, store, read back, and
// announce through the base-class hook to the listeners there are).

#include "BenchSupport.h"
#include "property/Property.h"

#include <benchmark/benchmark.h>

#include <boost/signals2/signal.hpp>

#include <string>

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

// With ofCopy, the floor of a property's announcement: it hands listeners what it holds, which
// storedValue() returns by value, so a held text longer than std::string keeps inline is copied
// to the heap.
template <class Values, bool ofCopy = false>
void BareSignalEmit(benchmark::State& state)
{
    using T = typename Values::Type;
    boost::signals2::signal<void(T const&)> signal;
    signal.connect(&consume<T>);
    std::size_t i = 0;
    for (auto _ : state) {
        if constexpr (ofCopy)
            signal(T(Values::get(++i)));
        else
            signal(Values::get(++i));
    }
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

// The floor of an unheard change: the value stored where the optimiser cannot drop it.
void PlainStore(benchmark::State& state)
{
    int held = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        held = Int::get(++i);
        benchmark::DoNotOptimize(held);
    }
}

void PropertySetValueUnheard(benchmark::State& state)
{
    quarlin::Property<int> property(0);
    std::size_t i = 0;
    for (auto _ : state)
        property.setValue(Int::get(++i));
    benchmark::DoNotOptimize(property.value());
}

BENCHMARK(PlainStore);
BENCHMARK(PropertySetValueUnheard);
BENCHMARK_TEMPLATE(BareSignalEmit, Int);
BENCHMARK_TEMPLATE(PropertySetValue, Int);
BENCHMARK_TEMPLATE(BareSignalEmit, ShortText);
BENCHMARK_TEMPLATE(PropertySetValue, ShortText);
BENCHMARK_TEMPLATE(BareSignalEmit, LongText);
BENCHMARK_TEMPLATE(PropertySetValue, LongText);
BENCHMARK_TEMPLATE(BareSignalEmit, LongText, true);

} // namespace

int main(int argc, char** argv)
{
    return quarlin::bench::runWithRatios(
        argc, argv,
        {{"Int setValue, nobody listening / plain store", "PropertySetValueUnheard", "PlainStore"},
         {"Int setValue / emit", "PropertySetValue<Int>", "BareSignalEmit<Int>"},
         {"ShortText setValue / emit", "PropertySetValue<ShortText>", "BareSignalEmit<ShortText>"},
         {"LongText setValue / emit", "PropertySetValue<LongText>", "BareSignalEmit<LongText>"},
         {"LongText setValue / emit of a copy", "PropertySetValue<LongText>",
          "BareSignalEmit<LongText, true>"}});
}
