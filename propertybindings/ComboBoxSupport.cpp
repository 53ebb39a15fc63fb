#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/QObjectPropertyBinding.h"
#include "propertybindings/models/ZoneVarListModelAbstract_p.h"

#include <QEvent>
#include <QListView>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

namespace quarlin::sdk::ui::dialogs::propertybindings {

char const* const bindingInstalledValidatorName = "QuarlinBindingInstalledValidator";

namespace {

// Below this many rows a combo box keeps every setting its form and the host's style gave it:
// reading each row to size the box or its popup costs under a millisecond.
constexpr int longListRows = 1000;

bool isLong(QComboBox const& combo)
{
    return combo.count() > longListRows;
}

// Some styles (Fusion among them) open a combo's popup centred on the current item, and to
// size it Qt then measures every row of the model, each time it opens: 100,000 rows cost a
// quarter of a second per click. Without that popup mode Qt measures only the rows it shows.
// Everything else is the base style's: the combo's own style, of which this proxy holds a
// private copy.
class ShortPopupStyle : public QProxyStyle
{
public:
    explicit ShortPopupStyle(QStyle* ownedBase)
        : QProxyStyle(ownedBase)
    {}

    int styleHint(StyleHint hint, QStyleOption const* option, QWidget const* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The default size policy reads every row's text to find the widest one, at the first show and
// after each model reset. A width from a number of characters costs nothing; the layout still
// stretches the combo, and the popup shows long names in full.
void setCheapSizePolicy(QComboBox& combo)
{
    if (!isLong(combo))
        return;
    constexpr int typicalNameLength = 16;
    combo.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (combo.minimumContentsLength() == 0)
        combo.setMinimumContentsLength(typicalNameLength);
    // Rows of one height: the list view then sizes and scrolls without asking every row.
    if (auto* const list = qobject_cast<QListView*>(combo.view()))
        list->setUniformItemSizes(true);
}

void installShortPopupStyle(QComboBox& combo)
{
    QStyle* const current = combo.style();
    if (!isLong(combo) || dynamic_cast<ShortPopupStyle*>(current))
        return;
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    if (current->styleHint(QStyle::SH_ComboBox_Popup, &option, &combo) == 0)
        return; // this style's popup does not measure every row
    // A proxy owns its base and becomes that style's proxy, so it cannot wrap the style object
    // the combo shares with the application: it wraps a fresh one of the same kind. A style
    // that cannot be made by name (a host's own class, a style sheet) stays as it is.
    QStyle* const base = QStyleFactory::create(current->objectName());
    if (!base)
        return;
    auto* const style = new ShortPopupStyle(base);
    style->setParent(&combo); // widgets do not own their style
    combo.setStyle(style);
}

// Both settings above make the combo box build its popup list, which Qt otherwise builds only
// when first needed, and the style change costs a re-polish: together most of what a binding
// would cost to build. So they wait: the size policy for the combo's polish (before its first
// size is computed), the style for its first show (before any popup can open).
class PrepareWhenShown : public QObject
{
public:
    static constexpr char const* objectNameText = "quarlinPrepareWhenShown";

    explicit PrepareWhenShown(QComboBox& combo)
        : QObject(&combo)
        , m_combo(&combo)
    {
        setObjectName(QLatin1String(objectNameText));
        combo.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_combo)
            return false;
        if (event->type() == QEvent::Polish && !m_sized) {
            m_sized = true;
            setCheapSizePolicy(*m_combo);
        } else if (event->type() == QEvent::Show) {
            if (!m_sized)
                setCheapSizePolicy(*m_combo);
            m_combo->removeEventFilter(this);
            installShortPopupStyle(*m_combo);
            deleteLater();
        }
        return false;
    }

private:
    QComboBox* m_combo; // not owned: the combo box is this object's parent
    bool m_sized = false;
};

} // namespace

void intern::prepareComboForLongLists(QComboBox& combo)
{
    if (combo.isVisible()) {
        setCheapSizePolicy(combo);
        installShortPopupStyle(combo);
        return;
    }
    if (combo.findChild<QObject*>(QLatin1String(PrepareWhenShown::objectNameText),
                                  Qt::FindDirectChildrenOnly))
        return;
    if (combo.testAttribute(Qt::WA_WState_Polished))
        setCheapSizePolicy(combo);
    new PrepareWhenShown(combo); // the combo box owns it
}

void intern::findInHostMembers(QComboBox& combo, models::ListModelInterface<int> const& model)
{
    auto const* const members = dynamic_cast<models::ZoneVarListModelAbstract const*>(&model);
    if (!members || ComboBoxFinder::of(combo))
        return;
    bool const zones = dynamic_cast<models::ZoneListModel const*>(members) != nullptr;
    new ComboBoxFinder(combo, zones ? ComboBoxFinder::Rows::Zones : ComboBoxFinder::Rows::Variables);
}

template class QObjectPropertyBinding<int>;

} // namespace quarlin::sdk::ui::dialogs::propertybindings
