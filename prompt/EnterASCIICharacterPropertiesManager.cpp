#include "prompt/EnterASCIICharacterPropertiesManager_p.h"

#include <QCoreApplication>
#include <boost/make_shared.hpp>

namespace quarlin::dialogs::prompt {

class EnterASCIICharacterPropertiesManager::Impl
{
public:
    // Only emptiness is checked: any character, in any script, is a symbol a plot can draw.
    class EmptySelecterCharacterValidator : public virtual ValidatorInterface<std::string>
    {
    public:
        ValidationResult validate(std::string const& value) const override
        {
            ValidationResult result;
            if (value.empty())
                result.setErrorString(
                    QT_TRANSLATE_NOOP("ExceptionBoundary", "Selected character cannot be empty."));
            return result;
        }
    };

    Impl(std::string const& character, Font_e font)
        : validator(boost::make_shared<EmptySelecterCharacterValidator>())
        , selectedCharacter(boost::make_shared<Property<std::string>>(character, validator))
        , typeFace(boost::make_shared<Property<Font_e>>(font))
    {}

    boost::shared_ptr<EmptySelecterCharacterValidator> validator;
    boost::shared_ptr<Property<std::string>> selectedCharacter;
    boost::shared_ptr<Property<Font_e>> typeFace;
};

EnterASCIICharacterPropertiesManager::EnterASCIICharacterPropertiesManager(std::string const& character,
                                                                           Font_e typeFace)
    : m_impl(std::make_unique<Impl>(character, typeFace))
{}

EnterASCIICharacterPropertiesManager::~EnterASCIICharacterPropertiesManager() = default;

boost::shared_ptr<Property<std::string>> const&
EnterASCIICharacterPropertiesManager::selectedCharacter() const
{
    return m_impl->selectedCharacter;
}

boost::shared_ptr<Property<Font_e>> const& EnterASCIICharacterPropertiesManager::typeFace() const
{
    return m_impl->typeFace;
}

} // namespace quarlin::dialogs::prompt
