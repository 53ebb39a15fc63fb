#include "testing/PromptAnswers.h"

#include "prompt/AddonsVariableSelectDialog.h"
#include "prompt/AnchorAlignmentDialog.h"
#include "prompt/ChooseLoaderDialog.h"
#include "prompt/ColorChooserDialog.h"
#include "prompt/EnterASCIICharacterDialog.h"
#include "prompt/EnterTextStringDialog.h"
#include "prompt/EnterThreeIntValuesDialog.h"
#include "prompt/RGBColorOptsDialog.h"
#include "prompt/ScatterSizeFontDialog.h"
#include "prompt/VariableSelectDialog.h"
#include "prompt/ZoneSelectDialog.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/dialogs/QtDialogAbstract.h"
#include "testing/PersonActs_p.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <boost/signals2/connection.hpp>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <utility>

namespace quarlin::testing {

using detail::PersonActs;
using detail::Refusal;
using dialogs::common::QtDialogAbstract;
namespace prompt = dialogs::prompt;

namespace detail {

struct Answer
{
    std::string what; // the call as written, for messages
    QMetaObject const* promptClass = nullptr;
    std::function<void(PersonActs&)> give;
    std::optional<std::string> title;
    bool cancel = false;
    bool endsByItself = false; // the colour chooser closes with the click on a colour
    CallSite where;
};

} // namespace detail

ScriptedAnswer& ScriptedAnswer::titled(std::string title)
{
    m_answer->title = std::move(title);
    return *this;
}

ScriptedAnswer& ScriptedAnswer::thenCancel()
{
    m_answer->cancel = true;
    return *this;
}

namespace {

QString qs(std::string const& text)
{
    return QString::fromStdString(text);
}

std::string quoted(std::string const& text)
{
    return '"' + text + '"';
}

std::string quotedList(std::vector<std::string> const& names)
{
    std::string list;
    for (std::string const& name : names)
        list += (list.empty() ? "" : ", ") + quoted(name);
    return "{" + list + "}";
}

std::string number(double value)
{
    return QString::number(value, 'g', 17).toStdString();
}

// A number as a person types it where they are.
QString typed(double value)
{
    return QLocale().toString(value, 'g', QLocale::FloatingPointShortest);
}

// What a person reads on a prompt nobody expected: its labels and group titles.
std::string labelsOf(QDialog const& prompt)
{
    QStringList texts;
    for (QWidget const* const widget : prompt.findChildren<QWidget*>()) {
        QString text;
        if (auto const* const label = qobject_cast<QLabel const*>(widget))
            text = label->text();
        else if (auto const* const group = qobject_cast<QGroupBox const*>(widget))
            text = group->title();
        text.remove(QLatin1Char('&'));
        if (widget->isVisible() && !text.trimmed().isEmpty())
            texts << QStringLiteral("\"%1\"").arg(text.trimmed());
    }
    return texts.isEmpty() ? "no labels" : "labels " + texts.join(QStringLiteral(", ")).toStdString();
}

std::string named(QDialog const& prompt)
{
    return std::string(prompt.metaObject()->className()) + " " + quoted(prompt.windowTitle().toStdString());
}

void closeAsCancel(QPointer<QDialog> const& prompt)
{
    if (prompt && prompt->isVisible())
        prompt->reject();
}

char const* anchorName(AnchorAlignment_e position)
{
    static char const* const names[] = {"TopLeft",    "TopCenter",    "TopRight",
                                        "MiddleLeft", "MiddleCenter", "MiddleRight",
                                        "BottomLeft", "BottomCenter", "BottomRight"};
    int const index = static_cast<int>(position);
    return index >= 0 && index < 9 ? names[index] : nullptr;
}

char const* typefaceButton(Font_e typeface)
{
    switch (typeface) {
    case Font_Base: return "useBaseFont_RadioButton";
    case Font_Math: return "useMathFont_RadioButton";
    case Font_Greek: return "useGreekFont_RadioButton";
    case Font_UserDefined: return "useUserDefFont_RadioButton";
    default: return nullptr;
    }
}

void chooseVariables(PersonActs& acts, std::vector<std::string> const& names)
{
    if (names.size() > 3)
        throw Refusal("the prompt has three variable fields, not " + std::to_string(names.size()));
    static char const* const fields[] = {"var1_comboBox", "var2_comboBox", "var3_comboBox"};
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!names[i].empty())
            acts.choose(acts.find<QComboBox>(fields[i]), qs(names[i]));
}

// The row of a list that shows name, alone or numbered ("2: Inlet").
QModelIndex rowShowing(QAbstractItemView const& view, std::string const& name)
{
    QAbstractItemModel const* const model = view.model();
    QString const wanted = qs(name);
    for (int row = 0; model && row < model->rowCount(); ++row) {
        QModelIndex const index = model->index(row, 0);
        if (PersonActs::showsName(index.data().toString(), wanted))
            return index;
    }
    return {};
}

QAbstractButton& colorButton(PersonActs& acts, std::function<bool(QAbstractButton const&)> const& is,
                             std::string const& which)
{
    for (QAbstractButton* const button : acts.prompt().findChildren<QAbstractButton*>())
        if (button->isVisible() && is(*button))
            return *button;
    throw Refusal("the colour chooser shows no colour " + which);
}

} // namespace

struct PromptAnswers::Impl
{
    FailureHandler onFailure;
    CallSite where;
    std::deque<detail::Answer> queue;
    std::vector<std::string> heard; // the host's messages during the answer being given
    boost::signals2::scoped_connection listening;
    host::ReferenceHost::MessagePresentation presentation;
    QtDialogAbstract::ShownObserver previousObserver;

    void fail(std::string const& message, CallSite const& at) const
    {
        if (onFailure) {
            onFailure(message, at);
            return;
        }
        std::fprintf(stderr, "%s:%d: %s\n", at.file, at.line, message.c_str());
        std::abort();
    }

    void answer(QtDialogAbstract& shown);
};

void PromptAnswers::Impl::answer(QtDialogAbstract& shown)
{
    QPointer<QDialog> const prompt(&shown);
    if (queue.empty()) {
        fail("A prompt opened with no answer scripted: " + named(shown) + ", with " + labelsOf(shown)
                 + ". It is closed as Cancel.",
             where);
        closeAsCancel(prompt);
        return;
    }
    // Taken before it is given: a prompt this one opens takes the answer after it.
    detail::Answer const answer = std::move(queue.front());
    queue.pop_front();
    std::string const title = shown.windowTitle().toStdString();
    if (!shown.metaObject()->inherits(answer.promptClass) || (answer.title && *answer.title != title)) {
        fail("The next answer, " + answer.what + (answer.title ? " for " + quoted(*answer.title) : "")
                 + ", is for a " + answer.promptClass->className() + ", but " + named(shown)
                 + " opened. It is closed as Cancel.",
             answer.where);
        closeAsCancel(prompt);
        return;
    }
    heard.clear();
    try {
        PersonActs acts(shown, heard);
        if (!(answer.cancel && answer.endsByItself))
            answer.give(acts);
        if (prompt && (answer.cancel || !answer.endsByItself))
            acts.finish(answer.cancel);
        return;
    } catch (Refusal const& refusal) {
        fail(named(shown) + " did not take " + answer.what + ": " + refusal.what()
                 + ". It is closed as Cancel.",
             answer.where);
    } catch (std::exception const& error) {
        fail(named(shown) + " failed while given " + answer.what + ": " + error.what(), answer.where);
    } catch (...) {
        fail(named(shown) + " failed while given " + answer.what, answer.where);
    }
    closeAsCancel(prompt);
}

PromptAnswers::PromptAnswers(FailureHandler onFailure, CallSite where)
    : d(std::make_unique<Impl>())
{
    d->onFailure = std::move(onFailure);
    d->where = where;
    auto& host = host::ReferenceHost::instance();
    d->presentation = host.messagePresentation();
    host.setMessagePresentation(host::ReferenceHost::MessagePresentation::RecordOnly);
    d->listening = host.messagePosted.connect(
        [impl = d.get()](host::HostMessage const& message) { impl->heard.push_back(message.text); });
    d->previousObserver = QtDialogAbstract::setShownObserver([impl = d.get()](QtDialogAbstract& prompt) {
        // Called from the prompt's event processing: nothing may leave it, not even a failure
        // handler that throws (the prompt may be gone by then).
        QPointer<QDialog> const guard(&prompt);
        try {
            impl->answer(prompt);
        } catch (...) {
            closeAsCancel(guard);
        }
    });
}

PromptAnswers::~PromptAnswers()
{
    QtDialogAbstract::setShownObserver(std::move(d->previousObserver));
    d->listening.disconnect();
    host::ReferenceHost::instance().setMessagePresentation(d->presentation);
    if (d->queue.empty())
        return;
    std::string list;
    for (detail::Answer const& answer : d->queue)
        list += "\n  " + answer.what + (answer.title ? " for " + quoted(*answer.title) : "") + ", written at "
                + answer.where.file + ":" + std::to_string(answer.where.line);
    d->fail(std::to_string(d->queue.size()) + " scripted answer(s) left unused:" + list,
            d->queue.front().where);
}

std::size_t PromptAnswers::pending() const
{
    return d->queue.size();
}

ScriptedAnswer PromptAnswers::queue(detail::Answer answer)
{
    d->queue.push_back(std::move(answer));
    return ScriptedAnswer(d->queue.back());
}

ScriptedAnswer PromptAnswers::anchorAlignment(AnchorAlignment_e position, CallSite where)
{
    char const* const name = anchorName(position);
    return queue({"anchorAlignment(" + std::to_string(int(position)) + ")",
                  &prompt::AnchorAlignmentDialog::staticMetaObject,
                  [name, position](PersonActs& acts) {
                      if (!name)
                          throw Refusal("there is no anchor position " + std::to_string(int(position)));
                      std::string const button = std::string("anchorAlignment_") + name + "_RadioButton";
                      acts.click(acts.find<QRadioButton>(button.c_str()));
                  },
                  {},
                  false,
                  false,
                  where});
}

ScriptedAnswer PromptAnswers::textString(std::string const& text, CallSite where)
{
    return queue(
        {"textString(" + quoted(text) + ")",
         &prompt::EnterTextStringDialog::staticMetaObject,
         [text](PersonActs& acts) { acts.type(acts.find<QLineEdit>("EnterTextString_lineEdit"), qs(text)); },
         {},
         false,
         false,
         where});
}

ScriptedAnswer PromptAnswers::threeIntValues(__int64 first, __int64 second, __int64 third, CallSite where)
{
    return queue({"threeIntValues(" + std::to_string(first) + ", " + std::to_string(second) + ", "
                      + std::to_string(third) + ")",
                  &prompt::EnterThreeIntValuesDialog::staticMetaObject,
                  [first, second, third](PersonActs& acts) {
                      acts.type(acts.find<QAbstractSpinBox>("value1"), QString::number(first));
                      acts.type(acts.find<QAbstractSpinBox>("value2"), QString::number(second));
                      acts.type(acts.find<QAbstractSpinBox>("value3"), QString::number(third));
                  },
                  {},
                  false,
                  false,
                  where});
}

ScriptedAnswer PromptAnswers::asciiCharacter(std::string const& character, Font_e typeface, CallSite where)
{
    return queue({"asciiCharacter(" + quoted(character) + ", " + std::to_string(int(typeface)) + ")",
                  &prompt::EnterASCIICharacterDialog::staticMetaObject,
                  [character, typeface](PersonActs& acts) {
                      char const* const button = typefaceButton(typeface);
                      if (!button)
                          throw Refusal("there is no typeface " + std::to_string(int(typeface)));
                      acts.type(acts.find<QLineEdit>("selectedCharacter_lineEdit"), qs(character));
                      acts.click(acts.find<QRadioButton>(button));
                  },
                  {},
                  false,
                  false,
                  where});
}

ScriptedAnswer PromptAnswers::variables(std::vector<std::string> const& names, CallSite where)
{
    return queue({"variables(" + quotedList(names) + ")",
                  &prompt::VariableSelectDialog::staticMetaObject,
                  [names](PersonActs& acts) { chooseVariables(acts, names); },
                  {},
                  false,
                  false,
                  where});
}

ScriptedAnswer PromptAnswers::addOnVariables(std::vector<std::string> const& names, CallSite where)
{
    return queue({"addOnVariables(" + quotedList(names) + ")",
                  &prompt::AddonsVariableSelectDialog::staticMetaObject,
                  [names](PersonActs& acts) { chooseVariables(acts, names); },
                  {},
                  false,
                  false,
                  where});
}

ScriptedAnswer PromptAnswers::zone(int number, CallSite where)
{
    return queue({"zone(" + std::to_string(number) + ")",
                  &prompt::ZoneSelectDialog::staticMetaObject,
                  [number](PersonActs& acts) {
                      auto& list = acts.find<QListView>("Zone_Source_MList");
                      int const rows = list.model() ? list.model()->rowCount() : 0;
                      if (number < 1 || number > rows)
                          throw Refusal("the zone list has no zone " + std::to_string(number) + "; it lists "
                                        + std::to_string(rows));
                      acts.pick(list, list.model()->index(number - 1, 0));
                  },
                  {},
                  false,
                  false,
                  where});
}

ScriptedAnswer PromptAnswers::zone(std::string const& name, CallSite where)
{
    return queue({"zone(" + quoted(name) + ")",
                  &prompt::ZoneSelectDialog::staticMetaObject,
                  [name](PersonActs& acts) {
                      auto& list = acts.find<QListView>("Zone_Source_MList");
                      QModelIndex const row = rowShowing(list, name);
                      if (!row.isValid())
                          throw Refusal("the zone list shows no zone " + quoted(name));
                      acts.pick(list, row);
                  },
                  {},
                  false,
                  false,
                  where});
}

ScriptedAnswer PromptAnswers::loader(std::string const& name, CallSite where)
{
    return queue({"loader(" + quoted(name) + ")",
                  &prompt::ChooseLoaderDialog::staticMetaObject,
                  [name](PersonActs& acts) {
                      auto& list = acts.find<QListView>("LoadersList");
                      QModelIndex const row = rowShowing(list, name);
                      if (!row.isValid())
                          throw Refusal("the loader list shows no loader " + quoted(name));
                      acts.pick(list, row);
                  },
                  {},
                  false,
                  false,
                  where});
}

ScriptedAnswer PromptAnswers::color(int index, CallSite where)
{
    return queue({"color(" + std::to_string(index) + ")",
                  &prompt::ColorChooserDialog::staticMetaObject,
                  [index](PersonActs& acts) {
                      acts.click(colorButton(
                          acts,
                          [index](QAbstractButton const& b) {
                              QVariant const color = b.property("colorIndex");
                              return color.isValid() && color.toInt() == index;
                          },
                          std::to_string(index)));
                  },
                  {},
                  false,
                  true,
                  where});
}

ScriptedAnswer PromptAnswers::color(std::string const& name, CallSite where)
{
    return queue({"color(" + quoted(name) + ")",
                  &prompt::ColorChooserDialog::staticMetaObject,
                  [name](PersonActs& acts) {
                      acts.click(colorButton(
                          acts,
                          [wanted = qs(name)](QAbstractButton const& b) {
                              return b.property("colorIndex").isValid()
                                     && (b.accessibleName().compare(wanted, Qt::CaseInsensitive) == 0
                                         || QString(b.text()).remove(QLatin1Char('&')) == wanted);
                          },
                          quoted(name)));
                  },
                  {},
                  false,
                  true,
                  where});
}

ScriptedAnswer PromptAnswers::rgbColoringOptions(RGBColoringAnswer const& answer, CallSite where)
{
    std::string what = "rgbColoringOptions(";
    if (answer.mode)
        what += "mode " + std::to_string(int(*answer.mode)) + " ";
    if (!answer.channels.empty())
        what += "channels " + quotedList(answer.channels) + " ";
    if (answer.minimum)
        what += "from " + number(*answer.minimum) + " ";
    if (answer.maximum)
        what += "to " + number(*answer.maximum);
    while (!what.empty() && what.back() == ' ')
        what.pop_back();
    return queue(
        {what + ")",
         &prompt::RGBColorOptsDialog::staticMetaObject,
         [answer](PersonActs& acts) {
             if (answer.mode) {
                 auto& modes = acts.find<QComboBox>("rGBColorOpts_Mode_CmbBox");
                 int const mode = static_cast<int>(*answer.mode);
                 if (mode < 0 || mode >= modes.count())
                     throw Refusal("there is no RGB mode " + std::to_string(mode));
                 acts.choose(modes, modes.itemText(mode));
             }
             if (answer.channels.size() > 3)
                 throw Refusal("there are three channels, not " + std::to_string(answer.channels.size()));
             static char const* const channels[] = {"rGBColorOpts_RedVariable_CmbBox",
                                                    "rGBColorOpts_GreenVariable_CmbBox",
                                                    "rGBColorOpts_BlueVariable_CmbBox"};
             for (std::size_t i = 0; i < answer.channels.size(); ++i)
                 if (!answer.channels[i].empty())
                     acts.choose(acts.find<QComboBox>(channels[i]), qs(answer.channels[i]));
             if (answer.minimum)
                 acts.type(acts.find<QAbstractSpinBox>("minValue_doubleSpinBox"), typed(*answer.minimum));
             if (answer.maximum)
                 acts.type(acts.find<QAbstractSpinBox>("maxValue_doubleSpinBox"), typed(*answer.maximum));
         },
         {},
         false,
         false,
         where});
}

ScriptedAnswer PromptAnswers::scatterSizeFont(ScatterSizeFontAnswer const& answer, CallSite where)
{
    std::string what = "scatterSizeFont(";
    if (answer.fontFamily)
        what += "font " + quoted(*answer.fontFamily) + " ";
    if (answer.sizeVariable)
        what += "sized by " + quoted(*answer.sizeVariable) + " ";
    if (answer.sizeInGridUnits)
        what += number(*answer.sizeInGridUnits) + " grid units ";
    if (answer.sizeInCentimetres)
        what += number(*answer.sizeInCentimetres) + " cm ";
    if (answer.recalculate)
        what += "recalculated";
    while (!what.empty() && what.back() == ' ')
        what.pop_back();
    return queue(
        {what + ")",
         &prompt::ScatterSizeFontDialog::staticMetaObject,
         [answer](PersonActs& acts) {
             if (answer.fontFamily)
                 acts.choose(acts.find<QComboBox>("scatterSizeFont_SymbolsFont_ComboBox"),
                             qs(*answer.fontFamily));
             if (answer.bold)
                 acts.setChecked(acts.find<QToolButton>("scatterSizeFont_SymbolsFontBold_Button"),
                                 *answer.bold);
             if (answer.italic)
                 acts.setChecked(acts.find<QToolButton>("scatterSizeFont_SymbolsFontItalic_Button"),
                                 *answer.italic);
             if (answer.sizeVariable)
                 acts.choose(acts.find<QComboBox>("scatterSizeFont_SizeVaiable_ComboBox"),
                             qs(*answer.sizeVariable));
             if (answer.sizeInGridUnits) {
                 acts.setChecked(acts.find<QRadioButton>("scatterSizeFont_SizeGrid_radioButton"), true);
                 acts.type(acts.find<QLineEdit>("scatterSizeFont_SizeGrid_1Text"),
                           typed(*answer.sizeInGridUnits));
             }
             if (answer.sizeInCentimetres) {
                 acts.setChecked(acts.find<QRadioButton>("scatterSizeFont_SizeCm_radioButton"), true);
                 acts.type(acts.find<QLineEdit>("scatterSizeFont_SizeCm_1Text"),
                           typed(*answer.sizeInCentimetres));
             }
             if (answer.recalculate)
                 acts.click(acts.find<QPushButton>("scatterSizeFont_RecalculateSize_Button"));
         },
         {},
         false,
         false,
         where});
}

} // namespace quarlin::testing
