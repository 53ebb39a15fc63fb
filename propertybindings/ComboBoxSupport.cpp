#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/QObjectPropertyBinding.h"

namespace quarlin::sdk::ui::dialogs::propertybindings {

char const* const bindingInstalledValidatorName = "QuarlinBindingInstalledValidator";

namespace {

// Some styles (Fusion among them) open a combo's popup centred on the current item, and to
// size it Qt then measures every row of the model, each time it opens: 100,000 rows cost a
// quarter of a second per click. Without that popup mode Qt measures only the rows it shows.
class ShortPopupStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, QStyleOption const* option, QWidget const* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void intern::prepareComboForLongLists(QComboBox& combo)
{
    // The default size policy reads every row's text to find the widest one, at the first show
    // and again after each model reset. A width from a number of characters costs nothing;
    // the layout still stretches the combo, and the popup shows long names in full.
    constexpr int typicalNameLength = 16;
    combo.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (combo.minimumContentsLength() == 0)
        combo.setMinimumContentsLength(typicalNameLength);
    if (!dynamic_cast<ShortPopupStyle*>(combo.style())) {
        auto* const style = new ShortPopupStyle;
        style->setParent(&combo); // widgets do not own their style
        combo.setStyle(style);
    }
}

template class QObjectPropertyBinding<int>;

} // namespace quarlin::sdk::ui::dialogs::propertybindings
