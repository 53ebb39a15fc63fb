// Text typed into a bound field for a text property (the plot-symbol field): taken exactly as
// typed, refused only by the property's validator.
#include "fuzz/FuzzSupport.h"

#include <cstdint>

namespace {

class NotEmpty : public quarlin::ValidatorInterface<std::string>
{
public:
    quarlin::ValidationResult validate(std::string const& value) const override
    {
        quarlin::ValidationResult result;
        if (value.empty())
            result.setErrorString("Selected character cannot be empty.");
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
    static quarlin::fuzz::CommitBench<std::string> bench(boost::make_shared<NotEmpty>(), "x");
    QString const text = QString::fromUtf8(reinterpret_cast<char const*>(data), static_cast<int>(size));
    bool const taken = bench.commit(text);
    if (taken != !text.isEmpty())
        quarlin::fuzz::fail("only empty text may be refused");
    if (taken && bench.property->value() != text.toStdString())
        quarlin::fuzz::fail("the text was not taken exactly as typed");
    return 0;
}
