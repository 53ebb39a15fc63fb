// Whole-number text typed into a bound field: conversion, the field's validator and the
// property's validator.
#include "fuzz/FuzzSupport.h"

#include <cstdint>

namespace {

class Between : public quarlin::ValidatorInterface<int>
{
public:
    quarlin::ValidationResult validate(int const& value) const override
    {
        quarlin::ValidationResult result;
        if (value < -1000 || value > 1000)
            result.setErrorString("Out of range.");
        return result;
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    quarlin::fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    static quarlin::fuzz::CommitBench<int> bench(boost::make_shared<Between>(), 7);
    QString const text = QString::fromUtf8(reinterpret_cast<char const*>(data), static_cast<int>(size));
    bench.commit(text);
    return 0;
}
