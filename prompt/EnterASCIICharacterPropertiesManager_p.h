#pragma once

#include "property/Property.h"

#include <boost/shared_ptr.hpp>

#include <memory>
#include <string>

namespace quarlin::dialogs::prompt {

// The two values of the plot-symbol prompt: the character (UTF-8, never empty) and the
// typeface it is drawn in (Font_Base, 255, for the plot's base font).
class EnterASCIICharacterPropertiesManager
{
public:
    // Throws InvalidPropertyValueException("Selected character cannot be empty.") for an empty
    // character. The typeface is taken as it is.
    EnterASCIICharacterPropertiesManager(std::string const& character, Font_e typeFace);
    virtual ~EnterASCIICharacterPropertiesManager();
    EnterASCIICharacterPropertiesManager(EnterASCIICharacterPropertiesManager const&) = delete;
    EnterASCIICharacterPropertiesManager& operator=(EnterASCIICharacterPropertiesManager const&) = delete;

    boost::shared_ptr<Property<std::string>> const& selectedCharacter() const;
    boost::shared_ptr<Property<Font_e>> const& typeFace() const;

private:
    class Impl;
    std::unique_ptr<Impl> m_impl; // owned
};

} // namespace quarlin::dialogs::prompt
