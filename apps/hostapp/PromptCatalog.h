#pragma once

#include "property/Property.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/Platform.h"
#include "testing/PromptAnswers.h"

#include <boost/make_shared.hpp>

#include <QLocale>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace quarlin::hostapp {

// What this host remembers between prompts, as a real host keeps its own values.
struct HostSession
{
    AnchorAlignment_e textAnchor = AnchorAlignment_MiddleCenter;
    QString frameName = QStringLiteral("Frame 001");
    // The index range the host reads data with: first index, last index, stride.
    __int64 indexBegin = 1;
    __int64 indexEnd = 100;
    __int64 indexSkip = 1;
    // The symbol a scatter layer draws, and its typeface.
    std::string symbol = "*";
    Font_e symbolFont = Font_Base;
    // An add-on's own settings, chosen through the add-on variable prompt: the variable its
    // probe reads and the one it weights by.
    boost::shared_ptr<Property<int>> probeVariable = boost::make_shared<Property<int>>(4);
    boost::shared_ptr<Property<int>> weightVariable = boost::make_shared<Property<int>>(5);
    boost::shared_ptr<Property<int>> unusedVariable = boost::make_shared<Property<int>>(0);
    // The zone the host's next operation works on.
    int zone = 2;
    // The colour index the host draws its next annotation with.
    int annotationColor = 3;
};

// One prompt the host can ask: how the menu runs it for a person, and how the gallery stages it.
struct PromptEntry
{
    QString menuText;
    // The prompt's name: the gallery's file name, and how tests refer to it.
    QString name;
    // Object name of the dialog's form (prompts of one dialog class share it).
    QString formName;
    // Launches the prompt modally and describes what the user chose and what the host kept.
    std::function<QString(QWidget& parent)> run;
    // Builds the prompt, not shown, in a state that shows what it is for.
    std::function<QDialog*(QWidget& parent)> stage;
    // How a test answers it as a person would (--exercise and the tests), and what run() then
    // reports the host holds: after OK, and after Cancel (a modeless prompt's changes stay).
    std::function<testing::ScriptedAnswer(testing::PromptAnswers&)> answer = {};
    QString afterOk = {};
    QString afterCancel = {};
};

// Every prompt of the library, in menu order. Adding a prompt to the host means one entry here.
std::vector<PromptEntry> promptCatalog(HostSession& session);

// Speaks the locale's language where the library and this host have it: the library's one call
// for its prompts, and this host's own texts (its menu, the texts it gives the prompts). Returns
// whether the library has the language.
bool installTranslations(QLocale const& locale);

} // namespace quarlin::hostapp
