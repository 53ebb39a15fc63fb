#pragma once

#include "quarlin_prompt_export.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAbstractItemModel;
class QComboBox;
class QWidget;

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Lets a person find a row of a combo box by any part of its text, as they type.
///
/// With the combo box focused (and not editable) or its list open, typed text opens a list of
/// the rows whose text contains it, ignoring case, under a field showing what was typed: header
/// rows (rows that cannot be chosen) stay only above a row that matches. The text is literal:
/// no character has a special meaning. Arrow and page keys move, Enter or a click chooses, and
/// Escape (or a click elsewhere) closes the list and leaves the combo box as it was. The row
/// highlighted first is the first one that starts with the text, so typing a name's first letters
/// and Enter still picks it.
///
/// A choice is the combo box's own: its current index changes and it emits activated() and
/// textActivated(), as when a person chooses in its list, so a binding validates, reports and
/// writes it as any other choice. The combo box keeps its model, name and signals; an editable one
/// keeps its text field, and only its open list filters. The list follows the combo box's model
/// while it is open (rows added, removed, renamed, the whole list replaced) and keeps the text.
///
/// Accessible: the field is named after the combo box, its description says how many rows match
/// and changes as they do; everything works by keyboard alone.
///
/// The finder is a child of the combo box and goes with it. Finding in 100,000 rows takes a few
/// milliseconds per keystroke: the rows' folded texts are read once and kept until the model
/// changes, and a text that extends the last one searches only the rows that matched it.
class QUARLIN_PROMPT_EXPORT ComboBoxFinder : public QObject
{
    Q_OBJECT

public:
    /// What the rows are, for what the finder says: "Find variable", "No variable matches ...".
    enum class Rows { Variables, Zones, Items };

    /// Lets a person find in `combo`, which owns the finder. A combo box that has one already
    /// gets a second that does nothing; use of() to reach the first.
    explicit ComboBoxFinder(QComboBox& combo, Rows rows = Rows::Variables);
    ~ComboBoxFinder() override;

    /// The finder attached to `combo`, or null.
    static ComboBoxFinder* of(QComboBox const& combo);

    /// The combo box; null once it is gone.
    QComboBox* comboBox() const;

    /// Opens the list with the rows that contain `text`, as if a person had typed it; an empty
    /// text shows every row. Does nothing for a hidden or disabled combo box.
    void find(QString const& text);
    /// Closes the list without choosing.
    void close();
    /// Whether the list is open.
    bool isOpen() const;
    /// What the field holds; empty while the list is closed.
    QString text() const;
    /// The rows of the combo box's model the list shows, in order, headers included; empty
    /// while it is closed.
    std::vector<int> shownRows() const;
    /// How many rows match (headers not counted); 0 while the list is closed.
    int matchCount() const;

    /// The list a person finds in, while it is open (its field and rows are its children); null otherwise.
    QWidget* popup() const;

protected:
    /// Takes the typing meant for the combo box and its list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Impl;
    /// Calls `row` with each row's text (UTF-8) and whether it is a header, straight from the
    /// library's own Qt model; false, calling nothing, for any other model.
    static bool readLibraryRows(QAbstractItemModel const& model,
                                std::function<void(std::string const& text, bool header)> const& row);

    std::unique_ptr<Impl> m_impl;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
