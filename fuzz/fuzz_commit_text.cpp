// Text typed or pasted into the plot-symbol field: one character as a person sees it, taken
// exactly as given; anything else refused, the property keeping its value. The
// first byte says how the rest reads: as UTF-8, or as raw UTF-16 code units, which may hold half
// of a surrogate pair.
#include "FuzzSupport.h"
#include "sdk/widgets/CharacterLimitValidator.h"
#include "testsupport/TestValidators.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    static quarlin::fuzz::CommitBench<std::string> bench(
        boost::make_shared<quarlin::test::RefusingValidator<std::string>>(
            [](std::string const& s) { return s.empty(); }, "Selected character cannot be empty."),
        "x");
    static bool const oneCharacterField = [] {
        bench.edit.setValidator(new quarlin::ui::CharacterLimitValidator(1, &bench.edit));
        return true;
    }();
    (void)oneCharacterField;
    if (size == 0)
        return 0;
    bool const utf16 = data[0] & 1U;
    ++data;
    --size;
    QString const text = utf16
                             ? QString(reinterpret_cast<QChar const*>(data), static_cast<int>(size / 2))
                             : QString::fromUtf8(reinterpret_cast<char const*>(data), static_cast<int>(size));
    bool const taken = bench.commit(text);
    bool const oneCharacter = quarlin::ui::CharacterLimitValidator::isWellFormed(text) && !text.isEmpty()
                              && quarlin::ui::CharacterLimitValidator::characterCount(text) == 1;
    if (taken != oneCharacter)
        quarlin::fuzz::fail("taken unless one whole character");
    if (taken && bench.property->value() != text.toStdString())
        quarlin::fuzz::fail("the character was not taken exactly as given");
    // The field's validator turns away more than one character silently; the property refuses
    // an empty text aloud.
    bool const told = !quarlin::host::ReferenceHost::instance().messages().empty();
    if (!taken && told != text.isEmpty())
        quarlin::fuzz::fail(told ? "text the field does not accept was refused aloud"
                                 : "an empty text was refused without a word");
    return 0;
}
