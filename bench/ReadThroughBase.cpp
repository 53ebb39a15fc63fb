// The read loop of bench_kernelproperty, in a translation unit of its own that knows no concrete
// property: as in a binding, the compiler cannot guess the property's type, so every read is
// the virtual call a binding makes, for the plain and the kernel property alike.
#include "ReadThroughBase.h"

#include "property/PropertyAbstract.h"

namespace quarlin::bench {

void readThroughBase(benchmark::State& state, PropertyAbstract<int> const& property)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(property.value());
}

} // namespace quarlin::bench
