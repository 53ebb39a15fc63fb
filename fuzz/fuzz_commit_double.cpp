// Number text typed into a bound field: massaging (blanks, decimal comma, minus sign, the shown
// text standing for the exact value), the field's validator, conversion and the property's
// validator.
#include "fuzz/FuzzSupport.h"

#include <cmath>
#include <cstdint>

namespace {

class FiniteSize : public quarlin::ValidatorInterface<double>
{
public:
    quarlin::ValidationResult validate(double const& value) const override
    {
        quarlin::ValidationResult result;
        if (!std::isfinite(value) || value <= 0.0 || value > 1e6)
            result.setErrorString("The size must be above 0 and at most 1e6.");
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
    static quarlin::fuzz::CommitBench<double> bench(boost::make_shared<FiniteSize>(), 1.5);
    // The first byte picks the locale, so both decimal point conventions are explored.
    static QLocale const english(QLocale::English, QLocale::UnitedStates);
    static QLocale const german(QLocale::German, QLocale::Germany);
    if (size > 0) {
        QLocale::setDefault((data[0] & 1U) ? german : english);
        ++data;
        --size;
    }
    QString const text = QString::fromUtf8(reinterpret_cast<char const*>(data), static_cast<int>(size));
    bench.commit(text);
    return 0;
}
