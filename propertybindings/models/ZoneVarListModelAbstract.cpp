#include "propertybindings/models/ZoneVarListModelAbstract_p.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/StateChangeEvent.h"

#include <limits>
#include <stdexcept>

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

namespace {

std::string takeName(bool found, char* name)
{
    std::string text = found && name ? name : "";
    QrnUtilStringDealloc(&name);
    return text;
}

bool isLayoutChange(StateChange_e kind)
{
    return kind == StateChange_DataSetReset || kind == StateChange_PageCount || kind == StateChange_FrameCount
           || kind == StateChange_FrameActivated;
}

} // namespace

ZoneVarListModelAbstract::ZoneVarListModelAbstract(MemberFunction members, bool numbered)
    : m_members(std::move(members))
    , m_numbered(numbered)
{
    // Only numbers are read here; names are asked of the derived class when a row is shown.
    refresh();
    m_hostConnection = toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
        [this](toolbox::StateChangeEventInterface const& event) { onStateChange(event); });
}

ZoneVarListModelAbstract::~ZoneVarListModelAbstract() = default;

int ZoneVarListModelAbstract::size() const
{
    return static_cast<int>(m_numbers.size());
}

int ZoneVarListModelAbstract::get(int index) const
{
    if (index < 0 || index >= size())
        throw std::out_of_range("invalid vector subscript");
    return m_numbers[static_cast<std::size_t>(index)];
}

std::string ZoneVarListModelAbstract::getStr(int index)
{
    int const number = get(index);
    std::string name = nameOf(number);
    return m_numbered ? std::to_string(number) + ": " + name : name;
}

int ZoneVarListModelAbstract::indexOf(int const& value) const
{
    if (value < 0 || static_cast<std::size_t>(value) >= m_rowOfNumber.size())
        return -1;
    return m_rowOfNumber[static_cast<std::size_t>(value)];
}

void ZoneVarListModelAbstract::refresh()
{
    toolbox::Set const set = m_members ? m_members(QrnUtilFrameGetUniqueID()) : toolbox::Set();
    std::vector<int> numbers;
    numbers.reserve(static_cast<std::size_t>(set.count()));
    for (__int64 const member : set.members())
        if (member <= std::numeric_limits<int>::max())
            numbers.push_back(static_cast<int>(member));
    if (numbers == m_numbers)
        return;
    m_numbers = std::move(numbers);
    m_rowOfNumber.assign(m_numbers.empty() ? 0 : static_cast<std::size_t>(m_numbers.back()) + 1, -1);
    for (std::size_t row = 0; row < m_numbers.size(); ++row)
        m_rowOfNumber[static_cast<std::size_t>(m_numbers[row])] = static_cast<int>(row);
    emitDataChanged();
}

void ZoneVarListModelAbstract::onStateChange(toolbox::StateChangeEventInterface const& event)
{
    if (!isAffectedBy(event))
        return;
    // Called from the host's notification loop; a list view's exception stays here.
    runAtBoundary([this] { refresh(); });
}

EnabledVariablesListModel::EnabledVariablesListModel(MemberFunction members, bool numbered)
    : ZoneVarListModelAbstract(std::move(members), numbered)
{}

EnabledVariablesListModel::~EnabledVariablesListModel() = default;

std::string EnabledVariablesListModel::nameOf(int number) const
{
    char* name = nullptr;
    bool const found = QrnUtilVarGetName(number, &name);
    return takeName(found, name);
}

bool EnabledVariablesListModel::isAffectedBy(toolbox::StateChangeEventInterface const& event) const
{
    return isLayoutChange(event.kind()) || event.kind() == StateChange_VarsAltered;
}

ZoneListModel::ZoneListModel(MemberFunction members, bool numbered)
    : ZoneVarListModelAbstract(std::move(members), numbered)
{}

ZoneListModel::~ZoneListModel() = default;

std::string ZoneListModel::nameOf(int number) const
{
    char* name = nullptr;
    bool const found = QrnUtilZoneGetName(number, &name);
    return takeName(found, name);
}

bool ZoneListModel::isAffectedBy(toolbox::StateChangeEventInterface const& event) const
{
    return isLayoutChange(event.kind()) || event.kind() == StateChange_ZonesAltered;
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
