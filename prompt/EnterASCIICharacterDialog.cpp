#include "prompt/EnterASCIICharacterDialog.h"

#include "prompt/EnterASCIICharacterPropertiesManager_p.h"
#include "propertybindings/RadioButtonPropertyBinding.h"
#include "propertybindings/TextFieldPropertyBinding.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/managerbase/DataSetExistsRelevance.h"
#include "sdk/widgets/CharacterLimitValidator.h"
#include "ui_EnterASCIICharacter.h"

#include <boost/ptr_container/ptr_vector.hpp>

namespace quarlin::dialogs::prompt {

using namespace sdk::ui::dialogs::propertybindings;

// Members in construction order; destruction runs backwards: bindings before the properties
// they use, the form's pointers last.
class EnterASCIICharacterDialog::Impl : public Ui::EnterASCIICharacter
{
public:
    std::unique_ptr<EnterASCIICharacterPropertiesManager> manager; // owned
    boost::ptr_vector<BindingInterface> bindings;
    // Relevance appliers this dialog would own; it needs none.
    boost::ptr_vector<BindingInterface> relevanceAppliers;
};

EnterASCIICharacterDialog* EnterASCIICharacterDialog::m_dialogInstance = nullptr;

EnterASCIICharacterDialog& EnterASCIICharacterDialog::getInstance(QWidget& parent, std::string character,
                                                                  bool useBaseFont, Font_e typeFace)
{
    if (!m_dialogInstance)
        m_dialogInstance =
            new EnterASCIICharacterDialog(parent, std::move(character), useBaseFont ? Font_Base : typeFace);
    return *m_dialogInstance;
}

sdk::ui::propertymanager::RelevancePtr EnterASCIICharacterDialog::relevance()
{
    static sdk::ui::propertymanager::RelevancePtr const rule =
        boost::make_shared<sdk::ui::propertymanager::DataSetExistsRelevance>();
    return rule;
}

EnterASCIICharacterDialog::EnterASCIICharacterDialog(QWidget& parent, std::string character, Font_e typeFace)
    : QtDialogAbstract(parent, relevance())
    , m_impl(std::make_unique<Impl>())
{
    Impl& form = *m_impl;
    form.setupUi(this);
    // One character as a person sees it, an emoji or an accented letter included; the form's
    // own validator, so the text binding keeps it.
    auto* const oneCharacter = new quarlin::ui::CharacterLimitValidator(1, form.selectedCharacter_lineEdit);
    oneCharacter->setObjectName(QStringLiteral("selectedCharacter_validator"));
    form.selectedCharacter_lineEdit->setValidator(oneCharacter);
    // Throws for an empty character; the half-built dialog is then destroyed with everything.
    form.manager = std::make_unique<EnterASCIICharacterPropertiesManager>(character, typeFace);

    auto const& font = form.manager->typeFace();
    form.bindings.push_back(
        new RadioButtonPropertyBinding<Font_e>(form.useBaseFont_RadioButton, font, Font_Base));
    form.bindings.push_back(
        new RadioButtonPropertyBinding<Font_e>(form.useGreekFont_RadioButton, font, Font_Greek));
    form.bindings.push_back(
        new RadioButtonPropertyBinding<Font_e>(form.useMathFont_RadioButton, font, Font_Math));
    form.bindings.push_back(
        new RadioButtonPropertyBinding<Font_e>(form.useUserDefFont_RadioButton, font, Font_UserDefined));
    form.bindings.push_back(new TextFieldPropertyBinding<std::string>(form.selectedCharacter_lineEdit,
                                                                      form.manager->selectedCharacter()));

    setHelpAction(
        new common::LaunchHelpAction("polar.html#polar/symbols-map-layer/enter-ascii-character", *this));
    followLanguage([this, &form] { form.retranslateUi(this); });
}

EnterASCIICharacterDialog::~EnterASCIICharacterDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
    m_impl->relevanceAppliers.clear();
    m_impl->bindings.clear();
    m_impl->manager.reset();
}

std::string EnterASCIICharacterDialog::selectedChar() const
{
    return m_impl->manager->selectedCharacter()->value();
}

bool EnterASCIICharacterDialog::useBaseFont() const
{
    return typeFaceOverride() == Font_Base;
}

Font_e EnterASCIICharacterDialog::typeFaceOverride() const
{
    return m_impl->manager->typeFace()->value();
}

} // namespace quarlin::dialogs::prompt
