// Number text typed into a bound field: massaging (blanks, decimal comma, minus sign, the shown
// text standing for the exact value), the field's validator, conversion and the property's
// validator.
#include "FuzzSupport.h"
#include "testsupport/TestValidators.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    static quarlin::fuzz::CommitBench<double> bench(
        boost::make_shared<quarlin::test::RefusingValidator<double>>(
            [](double v) { return !std::isfinite(v) || v <= 0.0 || v > 1e6; },
            "The size must be above 0 and at most 1e6."),
        1.5);
    // The first byte picks the locale, so both decimal point conventions are explored.
    static QLocale const english(QLocale::English, QLocale::UnitedStates);
    static QLocale const german(QLocale::German, QLocale::Germany);
    if (size > 0) {
        QLocale::setDefault((data[0] & 1U) ? german : english);
        ++data;
        --size;
    }
    bench.commit(QString::fromUtf8(reinterpret_cast<char const*>(data), static_cast<int>(size)));
    return 0;
}
