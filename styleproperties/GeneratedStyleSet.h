#pragma once

#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/host/StringList.h"
#include "sdk/host/StyleValue.h"
#include "styleproperties/KernelProperty.h"
#include "styleproperties/KernelPropertyDeferred.h"

#include <boost/make_shared.hpp>

namespace quarlin::sdk::styleproperties {

/// One setting of a generated style set: the kernel property that is submitted and re-pointed,
/// and the property handed to bindings, at first the same object.
template <class T>
struct GeneratedStyleSetting
{
    /// The property backed by the host's setting: what submit() sends and init() re-points.
    boost::shared_ptr<KernelPropertyAbstract<T>> kernel;
    /// What bindings are given: the kernel property, or what replaced it.
    boost::shared_ptr<PropertyAbstract<T>> exposed;

    /// The setting prefix + (part1, part2): deferred for a modal set, write-through otherwise.
    static GeneratedStyleSetting make(toolbox::StringList const& prefix, char const* part1, char const* part2,
                                      bool modal)
    {
        toolbox::StringList path = prefix;
        path.append(toolbox::StringList{part1, part2});
        toolbox::StyleValue const style(path);
        GeneratedStyleSetting setting;
        if (modal)
            setting.kernel = boost::make_shared<KernelPropertyDeferred<T>>(style);
        else
            setting.kernel = boost::make_shared<KernelProperty<T>>(style);
        setting.exposed = setting.kernel;
        return setting;
    }

    /// A modal set holds deferred properties only; a modeless one has written everything already.
    void submit()
    {
        if (auto* const deferred = dynamic_cast<KernelPropertyDeferred<T>*>(kernel.get()))
            deferred->submitValue();
    }

    /// Gives bindings `property` instead. Throws InvalidArgumentException for a null property.
    void expose(boost::shared_ptr<PropertyAbstract<T>> property)
    {
        if (!property)
            throw InvalidArgumentException("A style setting cannot be exposed as a null property.");
        exposed = std::move(property);
    }
};

} // namespace quarlin::sdk::styleproperties
