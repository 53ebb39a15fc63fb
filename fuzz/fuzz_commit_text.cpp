// Text typed into a bound field for a text property (the plot-symbol field): taken exactly as
// typed, refused only by the property's validator.
#include "FuzzSupport.h"
#include "property/RefusingValidator.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    static quarlin::fuzz::CommitBench<std::string> bench(
        boost::make_shared<quarlin::RefusingValidator<std::string>>([](std::string const& s) { return s.empty(); },
                                                                    "Selected character cannot be empty."),
        "x");
    QString const text = QString::fromUtf8(reinterpret_cast<char const*>(data), static_cast<int>(size));
    bool const taken = bench.commit(text);
    if (taken != !text.isEmpty())
        quarlin::fuzz::fail("only empty text may be refused");
    if (taken && bench.property->value() != text.toStdString())
        quarlin::fuzz::fail("the text was not taken exactly as typed");
    return 0;
}
