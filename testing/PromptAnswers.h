#pragma once

#include "quarlin_prompt_testing_export.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/Platform.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#if defined(QT_TESTLIB_LIB)
#include <QTest>
#endif

#if defined(__GNUC__) || defined(__clang__) || (defined(_MSC_VER) && _MSC_VER >= 1926)
/// The file of the call the default argument stands in, where the compiler can tell it.
#define QUARLIN_CALLER_FILE __builtin_FILE()
/// The line of the call the default argument stands in, where the compiler can tell it.
#define QUARLIN_CALLER_LINE __builtin_LINE()
#else
/// Empty: this compiler cannot tell the file of a call.
#define QUARLIN_CALLER_FILE ""
/// 0: this compiler cannot tell the line of a call.
#define QUARLIN_CALLER_LINE 0
#endif

namespace quarlin::testing {

namespace detail {
struct Answer;
}

struct CallSite;
using FailureHandler = std::function<void(std::string const& message, CallSite const& where)>;

/// Where a scripted answer or an answers object was written in the test.
struct CallSite
{
    /// Left to its defaults, the place of the call that takes the CallSite argument.
    CallSite(char const* inFile = QUARLIN_CALLER_FILE, int atLine = QUARLIN_CALLER_LINE)
        : file(inFile ? inFile : "")
        , line(atLine)
    {}
    char const* file; ///< the source file, never null; empty where the compiler cannot tell
    int line;         ///< the line; 0 where the compiler cannot tell
};

// A test that links Qt Test has its failures reported by it. The choice is made where the test
// is compiled, so the library itself never depends on Qt Test's runner.
#if defined(QT_TESTLIB_LIB)
inline FailureHandler qtTestFailureHandler()
{
    return [](std::string const& message, CallSite const& where) {
        QTest::qFail(message.c_str(), where.file, where.line);
    };
}
#define QUARLIN_DEFAULT_FAILURE_HANDLER ::quarlin::testing::qtTestFailureHandler()
#else
#define QUARLIN_DEFAULT_FAILURE_HANDLER ::quarlin::testing::FailureHandler()
#endif

/// One queued answer, returned by the calls of PromptAnswers to say more about it.
class QUARLIN_PROMPT_TESTING_EXPORT ScriptedAnswer
{
public:
    /// Only a prompt with this window title takes the answer: two prompts of one class (the
    /// variable prompt for the axes and for the vector components) are told apart by it.
    ScriptedAnswer& titled(std::string title);
    /// Gives the values, then ends with Cancel (Close, on a prompt without Cancel) instead of OK.
    ScriptedAnswer& thenCancel();

private:
    friend class PromptAnswers;
    explicit ScriptedAnswer(detail::Answer& answer)
        : m_answer(&answer)
    {}
    detail::Answer* m_answer; ///< owned by the PromptAnswers that queued it
};

/// What to set in the RGB colouring options; what is left empty stays as the prompt shows it.
struct RGBColoringAnswer
{
    std::optional<RGBMode_e> mode; ///< the mode, chosen by its radio button
    /// Variables by name, red, green, blue; an empty name leaves that channel alone.
    std::vector<std::string> channels;
    std::optional<double> minimum; ///< the low end of the value range, typed
    std::optional<double> maximum; ///< the high end of the value range, typed
};

/// What to set in the scatter size and font prompt; what is left empty stays as it is.
struct ScatterSizeFontAnswer
{
    std::optional<std::string> fontFamily; ///< the family, chosen by name in the font box
    std::optional<bool> bold;              ///< the Bold check box, clicked to this state
    std::optional<bool> italic;            ///< the Italic check box, clicked to this state
    /// The variable the symbols are sized by, by name.
    std::optional<std::string> sizeVariable;
    /// The size of one unit of the variable, in grid units or in centimetres (one or neither).
    std::optional<double> sizeInGridUnits;   ///< per unit of the variable, in grid units
    std::optional<double> sizeInCentimetres; ///< per unit of the variable, in centimetres
    /// Presses Recalculate Size before Close.
    bool recalculate = false;
};

/// Answers the library's prompts in a host's tests as a person would, with no display, no timer
/// and no hang. While an answers object lives, each prompt that opens takes the next answer in
/// the queue: its values are typed or chosen into the real widgets of the shown prompt, then OK
/// (or Close) is pressed, so validation, bindings, the host's writes, undo steps and messages are
/// those of a person's answer. A modal prompt is answered inside its own modal loop, and its
/// launch() returns with the result; a modeless one as launch() shows it.
///
/// Whatever would leave a person stuck fails the running test at once, through the failure
/// handler, and the prompt is closed as Cancel: a prompt with no answer left (its class, title
/// and labels are told), a value the prompt or the host refuses (with the message a person would
/// have read), a greyed-out field or button, a prompt of another class than the answer's. Answers
/// still queued when the object goes fail the test, listed. With Qt Test linked, failures go to
/// QTest::qFail; otherwise pass a handler (std::abort after printing is the fallback).
///
/// While it lives, the host's messages are recorded instead of shown (a message box would wait
/// for a person). One answers object at a time; it belongs to the user-interface thread.
///
///   quarlin::testing::PromptAnswers answers;
///   answers.loader("Comma-separated values");
///   host.openFile("measurements.csv");
class QUARLIN_PROMPT_TESTING_EXPORT PromptAnswers
{
public:
    /// Without a handler: QTest::qFail where the test links Qt Test, else a message on stderr and
    /// std::abort.
    explicit PromptAnswers(FailureHandler onFailure = QUARLIN_DEFAULT_FAILURE_HANDLER, CallSite where = {});
    ~PromptAnswers();
    PromptAnswers(PromptAnswers const&) = delete;
    PromptAnswers& operator=(PromptAnswers const&) = delete;

    /// The anchor prompt: the position clicked.
    ScriptedAnswer anchorAlignment(AnchorAlignment_e position, CallSite where = {});
    /// The text prompt: the text typed.
    ScriptedAnswer textString(std::string const& text, CallSite where = {});
    /// The three-value prompt: the three numbers typed, first to last.
    ScriptedAnswer threeIntValues(__int64 first, __int64 second, __int64 third, CallSite where = {});
    /// The plot-symbol prompt: the character typed and the typeface chosen.
    ScriptedAnswer asciiCharacter(std::string const& character, Font_e typeface, CallSite where = {});
    /// A variable prompt (axes, vector components, RGB channels): the variables chosen by name,
    /// first field first; an empty name leaves its field as proposed.
    ScriptedAnswer variables(std::vector<std::string> const& names, CallSite where = {});
    /// An add-on's variable prompt, as variables().
    ScriptedAnswer addOnVariables(std::vector<std::string> const& names, CallSite where = {});
    /// The zone prompt: the zone by its number (from 1) or by its name.
    ScriptedAnswer zone(int number, CallSite where = {});
    /// The zone prompt: the zone by the name its row shows.
    ScriptedAnswer zone(std::string const& name, CallSite where = {});
    /// The loader chooser: the loader by the name the list shows.
    ScriptedAnswer loader(std::string const& name, CallSite where = {});
    /// The colour chooser: the colour clicked, by its index in the colour map (or a multi colour,
    /// -1 and below) or by the name its swatch has. A colour chooser ends with the click.
    ScriptedAnswer color(int index, CallSite where = {});
    /// The colour chooser: the colour by the name its swatch has.
    ScriptedAnswer color(std::string const& name, CallSite where = {});
    /// The RGB colouring options: the mode, channels and range set, then Close.
    ScriptedAnswer rgbColoringOptions(RGBColoringAnswer const& answer, CallSite where = {});
    /// The scatter prompt: font, size and Recalculate Size as asked, then Close.
    ScriptedAnswer scatterSizeFont(ScatterSizeFontAnswer const& answer, CallSite where = {});

    /// How many answers are still queued.
    std::size_t pending() const;

private:
    ScriptedAnswer queue(detail::Answer answer);

    struct Impl;
    std::unique_ptr<Impl> d; ///< owned
};

} // namespace quarlin::testing
