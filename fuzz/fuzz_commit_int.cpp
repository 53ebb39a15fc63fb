// Whole-number text typed into a bound field: conversion, the field's validator and the
// property's validator.
#include "FuzzSupport.h"
#include "testsupport/TestValidators.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    static quarlin::fuzz::CommitBench<int> bench(
        boost::make_shared<quarlin::test::RefusingValidator<int>>([](int v) { return v < -1000 || v > 1000; },
                                                                  "Out of range."),
        7);
    bench.commit(QString::fromUtf8(reinterpret_cast<char const*>(data), static_cast<int>(size)));
    return 0;
}
