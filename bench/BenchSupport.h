#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace quarlin::bench {

// A measured case and the bare baseline it is compared with, by benchmark name.
struct Comparison
{
    std::string label;
    std::string measured;
    std::string baseline;
};

// Runs the registered benchmarks (by default as interleaved repetitions compared by their
// medians: this machine's neighbours make single figures jump) and prints each comparison as
// a ratio after the usual table. Returns the process exit code.
int runWithRatios(int argc, char** argv, std::vector<Comparison> const& comparisons);

} // namespace quarlin::bench
