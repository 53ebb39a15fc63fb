#pragma once

#include "propertybindings/StringMassager.h"
#include "propertybindings/TextConversion.h"
#include "propertybindings/UIPropertyBindingAbstract.h"
#include "propertybindings/qwidgetobservable/QTextFieldObservable.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/AppLock.h"
#include "sdk/widgets/CharacterLimitValidator.h"
#include "sdk/widgets/WholeNumberValidator.h"

#include <QDoubleValidator>
#include <QLineEdit>
#include <QPointer>

#include <limits>
#include <memory>
#include <type_traits>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Object name of the validators bindings install, as against those a dialog's author installed.
QUARLIN_PROMPT_EXPORT extern char const* const bindingInstalledValidatorName;

/// Binds a line edit's text to a property: when a person finishes editing (Enter, focus loss),
/// commitText() converts the text and sets the property. Text that the line edit's validator does
/// not accept is not taken, silently: the field shows the property's value again and keeps the
/// focus. Text that cannot be converted, or that the property refuses, is reported through the
/// host's message box, and the field is restored the same way. The property keeps its value
/// whenever the text is not taken. What is taken is the text whole: no length limit but the one
/// the form set, no character replaced in the conversion.
///
/// A line edit without a validator, or with one a binding installed, gets the validator for T
/// (a QIntValidator for whole numbers and enumerations, which keeps a number beyond its range as
/// typed; a QDoubleValidator for double); a validator the dialog installed stays. A null line
/// edit binds nothing (a combo box that is not editable).
template <class T>
class LineEditPropertyBindingAbstract : public UIPropertyBindingAbstract<T>
{
public:
    /// Binds `lineEdit` (borrowed; null binds no widget) to `property` (shared). Throws
    /// InvalidArgumentException for a null property.
    LineEditPropertyBindingAbstract(
        QLineEdit* lineEdit, boost::shared_ptr<PropertyAbstract<T>> property,
        BindingInterface::WidgetUpdateMode_e mode = BindingInterface::WidgetUpdateImmediate)
        : UIPropertyBindingAbstract<T>(std::move(property), mode)
        , m_lineEdit(lineEdit)
    {
        if (!lineEdit)
            return;
        installValidator(*lineEdit);
        // Qt's default maximum length would cut a longer text silently; a field holds what it
        // is given unless its form set a limit of its own.
        int const qtDefaultMaxLength = 32767;
        if (lineEdit->maxLength() == qtDefaultMaxLength)
            lineEdit->setMaxLength(std::numeric_limits<int>::max());
        m_textFieldObservable = std::make_unique<qwidgetobservable::QTextFieldObservable>(
            *lineEdit, [this] { return commitText(); });
    }

    ~LineEditPropertyBindingAbstract() override = default;

    /// Takes the line edit's text into the property; true when it was taken.
    bool commitText()
    {
        if (!m_lineEdit)
            return false;
        AppLock const lock(ImplicitMacroRecording_Off);
        QString const typed = m_lineEdit->text();
        QString text = typed;
        if constexpr (std::is_same_v<T, double>)
            StringMassager::prepareText(this->property(), text);
        if (QValidator const* const validator = m_lineEdit->validator()) {
            int position = 0;
            QValidator::State state = validator->validate(text, position);
            if (state == QValidator::Invalid) {
                validator->fixup(text);
                state = validator->validate(text, position);
            }
            if (state != QValidator::Acceptable) {
                restoreAndFocus();
                return false;
            }
        }
        auto const alive = this->watchLifetime();
        auto const held = this->holdProperty();
        if (!quarlin::ui::CharacterLimitValidator::isWellFormed(text)) {
            // Its conversion would put "?" for half a character.
            reportAtBoundary(std::make_exception_ptr(InvalidArgumentException(cannotConvert(typed))));
            if (alive)
                restoreAndFocus();
            return false;
        }
        if constexpr (std::is_enum_v<T>) {
            try {
                fromText<T>(text.toStdString());
            } catch (InvalidArgumentException const&) {
                return false; // no text form: nothing to say, nothing to restore
            }
        }
        // Unconvertible text, a refused value, or any other failure: reported once, and the
        // field shows the property's value again.
        bool const taken = runAtBoundary([&] { this->property().setValue(fromText<T>(text.toStdString())); });
        if (!alive)
            return false; // the host closed the window: nothing here to update
        if (!taken) {
            restoreAndFocus();
            return false;
        }
        this->updateWidget();
        return true;
    }

protected:
    /// The bound line edit; null when none was given or it was destroyed.
    QLineEdit* lineEdit() const { return m_lineEdit; }

private:
    static void installValidator(QLineEdit& lineEdit)
    {
        QValidator const* const current = lineEdit.validator();
        if (current && current->objectName() != QLatin1String(bindingInstalledValidatorName))
            return;
        QValidator* validator = nullptr;
        if constexpr (std::is_same_v<T, double>) {
            auto* const doubles = new QDoubleValidator(&lineEdit);
            // The validator judges the text the number reader will read: "C" form, as the
            // massaged text is.
            QLocale c = QLocale::c();
            c.setNumberOptions(QLocale::RejectGroupSeparator);
            doubles->setLocale(c);
            validator = doubles;
        } else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) {
            validator = new quarlin::ui::WholeNumberValidator(&lineEdit);
        }
        if (validator)
            validator->setObjectName(QLatin1String(bindingInstalledValidatorName));
        // Text (no validator of its own) drops one an earlier binding installed.
        lineEdit.setValidator(validator);
        delete current; // ours, replaced; the line edit owned it
    }

    static std::string cannotConvert(QString const& text)
    {
        return "Cannot convert \"" + text.toStdString() + "\" to " + TypeName<T>::get();
    }

    void restoreAndFocus()
    {
        this->updateWidget();
        if (m_lineEdit) {
            m_lineEdit->activateWindow();
            m_lineEdit->setFocus();
        }
    }

    QPointer<QLineEdit> m_lineEdit; ///< not owned: the dialog's widget tree owns it
    std::unique_ptr<qwidgetobservable::QTextFieldObservable>
        m_textFieldObservable; ///< owned; null without a line edit
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
