#pragma once

#include "property/Property.h"
#include "propertybindings/TextFieldPropertyBinding.h"
#include "referencehost/ReferenceHost.h"

#include <QApplication>
#include <QLineEdit>

#include <boost/make_shared.hpp>

#include <cstdio>
#include <cstdlib>

namespace quarlin::fuzz {

// One offscreen application for the whole run; host messages are recorded, not shown.
inline void startApplication()
{
    static int argc = 1;
    static char name[] = "quarlin-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    host::ReferenceHost::instance().setMessagePresentation(
        host::ReferenceHost::MessagePresentation::RecordOnly);
    static QApplication application(argc, argv);
}

[[noreturn]] inline void fail(char const* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// A real line edit bound to a real property, as a dialog builds them. Each input is set as the
// field's text and committed; a refused text must leave the property as it was.
template <class T>
struct CommitBench
{
    explicit CommitBench(boost::shared_ptr<ValidatorInterface<T> const> validator, T initial)
        : property(boost::make_shared<Property<T>>(initial, std::move(validator)))
        , binding(&edit, property)
    {}

    // Returns whether the text was taken.
    bool commit(QString const& text)
    {
        host::ReferenceHost::instance().clearRecords();
        T const before = property->value();
        edit.setText(text);
        edit.setModified(true);
        bool const taken = binding.commitText();
        if (!taken && !(property->value() == before))
            fail("a refused text changed the property");
        if (!property->validator()->validate(property->value()).isValid())
            fail("the property holds a value its validator refuses");
        if (edit.text() != QString::fromStdString((boost::format("%1%") % property->value()).str()))
            fail("the field does not show the property's value after a commit");
        return taken;
    }

    QLineEdit edit;
    boost::shared_ptr<Property<T>> property;
    sdk::ui::dialogs::propertybindings::TextFieldPropertyBinding<T> binding;
};

} // namespace quarlin::fuzz
