#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"
#include "sdk/host/HostEnums.h"

#include <memory>
#include <string>

namespace quarlin::dialogs::prompt {

/// Asks for the character a plot draws as a symbol and the typeface it is drawn in: the plot's
/// base font or a symbol typeface (Greek, Math, user defined). The accessors read the
/// properties at the moment of the call; Cancel keeps what was committed. Relevant while a data
/// set exists.
class QUARLIN_PROMPT_EXPORT EnterASCIICharacterDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// The first call builds the dialog (typeface Font_Base when useBaseFont, else typeFace);
    /// while it lives, later calls return it and ignore every argument. An empty character
    /// throws InvalidPropertyValueException("Selected character cannot be empty.") and builds
    /// nothing.
    static EnterASCIICharacterDialog& getInstance(QWidget& parent, std::string character, bool useBaseFont,
                                                  Font_e typeFace);
    /// Relevant while a data set exists.
    static sdk::ui::propertymanager::RelevancePtr relevance();

    ~EnterASCIICharacterDialog() override;

    /// UTF-8, exactly as committed.
    std::string selectedChar() const;
    /// Whether the person chose the plot's base font (Font_Base) rather than a typeface of its own.
    bool useBaseFont() const;
    /// Font_Base (255) included.
    Font_e typeFaceOverride() const;

private:
    EnterASCIICharacterDialog(QWidget& parent, std::string character, Font_e typeFace);

    class Impl;
    std::unique_ptr<Impl> m_impl; ///< owned: form, properties and bindings

    static EnterASCIICharacterDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
