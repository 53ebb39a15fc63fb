#include "propertybindings/models/StringListModel.h"

#include <stdexcept>

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

StringListModel::StringListModel() = default;

StringListModel::StringListModel(std::vector<std::string> rows)
    : m_rows(std::move(rows))
    , m_headers(m_rows.size(), false)
{}

StringListModel::~StringListModel() = default;

void StringListModel::checkRow(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_rows.size())
        throw std::out_of_range("invalid vector subscript");
}

int StringListModel::size() const
{
    return static_cast<int>(m_rows.size());
}

int StringListModel::get(int index) const
{
    checkRow(index);
    return index;
}

std::string StringListModel::getStr(int index)
{
    checkRow(index);
    return m_rows[static_cast<std::size_t>(index)];
}

int StringListModel::indexOf(int const& value) const
{
    return value >= 0 && value < size() ? value : -1;
}

void StringListModel::setRows(std::vector<std::string> rows)
{
    m_headers.assign(rows.size(), false);
    m_rows = std::move(rows);
    emitDataChanged();
}

void StringListModel::appendRow(std::string text, bool header)
{
    m_rows.push_back(std::move(text));
    m_headers.push_back(header);
}

void StringListModel::append(std::string text)
{
    appendRow(std::move(text), false);
    emitItemsInserted(size() - 1, size() - 1);
}

void StringListModel::remove(int first, int last)
{
    if (first > last)
        return;
    checkRow(first);
    checkRow(last);
    emitItemsAboutToBeRemoved(first, last);
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
    m_headers.erase(m_headers.begin() + first, m_headers.begin() + last + 1);
    emitItemsRemoved();
}

void StringListModel::clear()
{
    m_rows.clear();
    m_headers.clear();
    emitDataChanged();
}

StringListWithHeadersModel::StringListWithHeadersModel() = default;

StringListWithHeadersModel::~StringListWithHeadersModel() = default;

void StringListWithHeadersModel::appendHeaderRow(std::string text)
{
    appendRow(std::move(text), true);
    emitItemsInserted(size() - 1, size() - 1);
}

bool StringListWithHeadersModel::isHeader(int index) const
{
    return index >= 0 && index < size() && rowIsHeader(index);
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
