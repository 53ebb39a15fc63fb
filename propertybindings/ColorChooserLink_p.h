#pragma once

#include <boost/optional.hpp>

#include <string>

class QWidget;

namespace quarlin::sdk::ui::dialogs::propertybindings::intern {

// The colour chooser is a dialog, a floor above the bindings; it lends the colour-button binding
// what the binding needs of it when the library is loaded, so that no include points up.
struct ColorChooserLink
{
    // The colour's name as the chooser writes it (abbreviated for a button).
    std::string (*colorToString)(int color, bool abbreviated) = nullptr;
    // Opens the chooser under parent, marked at current; the chosen colour, or none when the
    // chooser was cancelled or went away while it was open.
    boost::optional<int> (*choose)(QWidget& parent, bool showMultiColors, int current) = nullptr;
};

ColorChooserLink& colorChooserLink();

} // namespace quarlin::sdk::ui::dialogs::propertybindings::intern
