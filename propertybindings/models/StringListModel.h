#pragma once

#include "propertybindings/models/ListModelAbstract.h"
#include "quarlin_prompt_export.h"

#include <string>
#include <vector>

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

/// A list of texts whose value is the row number. Changes are announced as the list-model
/// signals say: a replaced or cleared list as a whole-list change, appended rows as an
/// insertion, removed rows as a removal. A row outside the list throws std::out_of_range.
class QUARLIN_PROMPT_EXPORT StringListModel : public virtual ListModelAbstract<int>
{
public:
    /// An empty list.
    StringListModel();
    /// A list of `rows`, in UTF-8.
    explicit StringListModel(std::vector<std::string> rows);
    ~StringListModel() override;

    int size() const override;
    int get(int index) const override;
    std::string getStr(int index) override;
    /// Each row holds its own number, so the lookup needs no search: long lists stay fast.
    int indexOf(int const& value) const override;

    /// Replaces every row; announced as a whole-list change.
    void setRows(std::vector<std::string> rows);
    /// Adds a row at the end; announced as an insertion.
    void append(std::string text);
    /// Removes rows first..last (inclusive); a range outside the list throws std::out_of_range.
    void remove(int first, int last);
    /// Removes every row; announced as a whole-list change.
    void clear();

protected:
    /// Throws std::out_of_range ("invalid vector subscript") for a row outside the list.
    void checkRow(int index) const;
    /// Appends without announcing; the caller announces.
    void appendRow(std::string text, bool header);
    /// Whether row `index` (which must be in the list) was appended as a header.
    bool rowIsHeader(int index) const { return m_headers[static_cast<std::size_t>(index)]; }

private:
    std::vector<std::string> m_rows;
    std::vector<bool> m_headers;
};

/// A string list in which some rows are headers: labels between groups, shown apart and never
/// chosen. Header rows have a row number like any other row.
class QUARLIN_PROMPT_EXPORT StringListWithHeadersModel : public StringListModel
{
public:
    StringListWithHeadersModel();
    ~StringListWithHeadersModel() override;

    /// Adds a header row at the end; announced as an insertion.
    void appendHeaderRow(std::string text);
    bool isHeader(int index) const override;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
