#pragma once

#include <benchmark/benchmark.h>

namespace quarlin {
template <class T>
class PropertyAbstract;
}

namespace quarlin::bench {

// Reads the property once per iteration through its base, as a binding reads it.
void readThroughBase(benchmark::State& state, PropertyAbstract<int> const& property);

} // namespace quarlin::bench
