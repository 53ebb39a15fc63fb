#include "propertybindings/ComboBoxFinder.h"

#include "propertybindings/models/QListModel.h"
#include "sdk/exception/ExceptionBoundary.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScreen>
#include <QStringMatcher>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace {

// Rows are searched in one buffer of their folded texts, each followed by a character no typed
// text is expected to hold, so that a match rarely runs from one row into the next; one that
// does is not taken.
constexpr char16_t rowEnd = 0xFFFF;

// Case folding one code point at a time, as Qt's case-insensitive comparisons do, so that a
// row matches exactly when QString::contains(text, Qt::CaseInsensitive) would say it does.
void appendFolded(std::u16string& out, QString const& text)
{
    QChar const* const chars = text.constData();
    int const length = text.size();
    for (int i = 0; i < length; ++i) {
        char16_t const unit = chars[i].unicode();
        if (unit < 0x80) {
            out.push_back(unit >= u'A' && unit <= u'Z' ? char16_t(unit + 32) : unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < length && chars[i + 1].isLowSurrogate()) {
            uint const folded = QChar::toCaseFolded(QChar::surrogateToUcs4(chars[i], chars[i + 1]));
            out.push_back(QChar::highSurrogate(folded));
            out.push_back(QChar::lowSurrogate(folded));
            ++i;
        } else {
            out.push_back(char16_t(QChar::toCaseFolded(uint(unit))));
        }
    }
}

// The same for UTF-8 text: bytes of ASCII are folded as they are, anything else through QString.
void appendFolded(std::u16string& out, std::string const& text)
{
    for (char const byte : text)
        if (static_cast<unsigned char>(byte) >= 0x80) {
            appendFolded(out, QString::fromStdString(text));
            return;
        }
    for (char const byte : text)
        out.push_back(byte >= 'A' && byte <= 'Z' ? char16_t(byte + 32) : char16_t(byte));
}

QString folded(QString const& text)
{
    std::u16string out;
    out.reserve(std::size_t(text.size()));
    appendFolded(out, text);
    return QString(reinterpret_cast<QChar const*>(out.data()), int(out.size()));
}

// The texts of a model's rows, folded, with which rows are headers and the header above each.
class RowIndex
{
public:
    // `read` calls its argument with each row's header flag and a function that appends the
    // row's folded text.
    template <class Read>
    void build(int rows, Read const& read)
    {
        m_text.clear();
        m_start.assign(std::size_t(rows) + 1, 0);
        m_header.assign(std::size_t(rows), false);
        m_headerAbove.clear();
        m_longest = 0;
        m_text.reserve(std::size_t(rows) * 24);
        int header = -1;
        int row = 0;
        read([&](bool isHeader, auto const& text) {
            if (row >= rows)
                return;
            m_start[std::size_t(row)] = int(m_text.size());
            if (isHeader) {
                if (m_headerAbove.empty())
                    m_headerAbove.assign(std::size_t(rows), -1);
                m_header[std::size_t(row)] = true;
                header = row;
            } else {
                appendFolded(m_text, text);
                m_longest = std::max(m_longest, int(m_text.size()) - m_start[std::size_t(row)]);
                if (!m_headerAbove.empty())
                    m_headerAbove[std::size_t(row)] = header;
            }
            m_text.push_back(rowEnd);
            ++row;
        });
        for (; row < rows; ++row) { // rows a model did not give: empty, never matched
            m_start[std::size_t(row)] = int(m_text.size());
            m_text.push_back(rowEnd);
        }
        m_start[std::size_t(rows)] = int(m_text.size());
    }

    int rows() const { return int(m_header.size()); }
    bool isHeader(int row) const { return m_header[std::size_t(row)]; }
    int headerAbove(int row) const { return m_headerAbove.empty() ? -1 : m_headerAbove[std::size_t(row)]; }

    // The rows whose text contains `needle` (folded), among `candidates` when given, else all.
    std::vector<int> matching(QString const& needle, std::vector<int> const* candidates) const
    {
        std::vector<int> found;
        if (needle.size() > m_longest)
            return found;
        QStringMatcher const matcher(needle, Qt::CaseSensitive);
        auto const* const text = reinterpret_cast<QChar const*>(m_text.data());
        if (candidates) {
            for (int const row : *candidates)
                if (matcher.indexIn(text + start(row), length(row), 0) >= 0)
                    found.push_back(row);
            return found;
        }
        if (needle.size() <= shortNeedle) {
            // Most rows hold a short text: a plain scan of each row beats a matcher called once
            // per match.
            for (int row = 0, rows = this->rows(); row < rows; ++row)
                if (!isHeader(row) && holds(row, needle))
                    found.push_back(row);
            return found;
        }
        // Longer texts match rarely: one pass over the whole buffer, skipping as a matcher
        // does, on from the next row's start after a match.
        int const size = int(m_text.size());
        int row = 0;
        for (int from = 0; from < size;) {
            int const at = matcher.indexIn(text, size, from);
            if (at < 0)
                break;
            row = int(std::upper_bound(m_start.begin() + row + 1, m_start.end(), at) - m_start.begin()) - 1;
            if (at + needle.size() <= start(row) + length(row) && !isHeader(row)) {
                found.push_back(row);
                from = start(row + 1);
            } else {
                from = at + 1;
            }
        }
        return found;
    }

    bool startsWith(int row, QString const& needle) const
    {
        return length(row) >= needle.size()
               && std::equal(needle.begin(), needle.end(),
                             reinterpret_cast<QChar const*>(m_text.data()) + start(row));
    }

private:
    static constexpr int shortNeedle = 2;

    bool holds(int row, QString const& needle) const
    {
        auto const* const needleChars = reinterpret_cast<char16_t const*>(needle.constData());
        int const n = needle.size();
        char16_t const first = needleChars[0];
        char16_t const* at = m_text.data() + start(row);
        char16_t const* const last = at + length(row) - n;
        for (; at <= last; ++at)
            if (*at == first && std::equal(needleChars + 1, needleChars + n, at + 1))
                return true;
        return false;
    }

    int start(int row) const { return m_start[std::size_t(row)]; }
    int length(int row) const { return m_start[std::size_t(row) + 1] - m_start[std::size_t(row)] - 1; }

    std::u16string m_text;
    std::vector<int> m_start; // rows + 1 entries: where each row's text begins, and the end
    std::vector<bool> m_header;
    std::vector<int> m_headerAbove; // empty for a list without headers
    int m_longest = 0;
};

// The rows found, as a list over the combo box's model; or the one line saying none was.
class FoundRowsModel : public QAbstractListModel
{
public:
    void show(QAbstractItemModel* source, int column, QModelIndex const& root, std::vector<int> rows,
              QString const& noMatch)
    {
        beginResetModel();
        m_source = source;
        m_column = column;
        m_root = root;
        m_rows = std::move(rows);
        m_noMatch = m_rows.empty() ? noMatch : QString();
        endResetModel();
    }

    int sourceRow(int row) const
    {
        return row >= 0 && std::size_t(row) < m_rows.size() ? m_rows[std::size_t(row)] : -1;
    }
    std::vector<int> const& rows() const { return m_rows; }

    int rowCount(QModelIndex const& parent = {}) const override
    {
        if (parent.isValid())
            return 0;
        return m_rows.empty() && !m_noMatch.isEmpty() ? 1 : int(m_rows.size());
    }

    QVariant data(QModelIndex const& index, int role) const override
    {
        if (!m_noMatch.isEmpty())
            return role == Qt::DisplayRole || role == Qt::AccessibleTextRole ? QVariant(m_noMatch)
                                                                             : QVariant();
        QModelIndex const source = sourceIndex(index.row());
        return source.isValid() ? source.data(role) : QVariant();
    }

    Qt::ItemFlags flags(QModelIndex const& index) const override
    {
        QModelIndex const source = sourceIndex(index.row());
        if (!source.isValid())
            return Qt::ItemNeverHasChildren; // the line saying nothing matches: greyed out
        return (source.flags() & ~Qt::ItemIsEditable) | Qt::ItemNeverHasChildren;
    }

private:
    QModelIndex sourceIndex(int row) const
    {
        int const at = sourceRow(row);
        return m_source && at >= 0 ? m_source->index(at, m_column, m_root) : QModelIndex();
    }

    QPointer<QAbstractItemModel> m_source;
    int m_column = 0;
    QPersistentModelIndex m_root;
    std::vector<int> m_rows;
    QString m_noMatch;
};

// The list a person finds in: the field showing what was typed, how many rows match, the rows.
class FinderPopup : public QFrame
{
public:
    FinderPopup(QComboBox& combo, std::function<void()> retranslate, std::function<void()> hidden)
        : QFrame(&combo, Qt::Popup)
        , field(new QLineEdit(this))
        , count(new QLabel(this))
        , list(new QListView(this))
        , m_retranslate(std::move(retranslate))
        , m_hidden(std::move(hidden))
    {
        setObjectName(QStringLiteral("quarlinFinderPopup"));
        field->setObjectName(QStringLiteral("quarlinFinderField"));
        count->setObjectName(QStringLiteral("quarlinFinderCount"));
        list->setObjectName(QStringLiteral("quarlinFinderList"));
        setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
        setAttribute(Qt::WA_WindowPropagation);
        field->setClearButtonEnabled(false);
        // The field keeps the focus: the keys that move in the list come to it.
        list->setFocusPolicy(Qt::NoFocus);
        list->setUniformItemSizes(true);
        list->setMouseTracking(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setTextElideMode(Qt::ElideRight);
        list->setModel(&model);
        auto* const top = new QHBoxLayout;
        top->setContentsMargins(0, 0, 6, 0);
        top->setSpacing(6);
        top->addWidget(field, 1);
        top->addWidget(count);
        auto* const layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addLayout(top);
        layout->addWidget(list, 1);
        setFocusProxy(field);
    }

    QLineEdit* const field;
    QLabel* const count;
    QListView* const list;
    FoundRowsModel model;

protected:
    void changeEvent(QEvent* event) override
    {
        QFrame::changeEvent(event);
        if (event->type() == QEvent::LanguageChange)
            runAtBoundary(m_retranslate);
    }
    void hideEvent(QHideEvent* event) override
    {
        QFrame::hideEvent(event);
        runAtBoundary(m_hidden);
    }

private:
    std::function<void()> m_retranslate;
    std::function<void()> m_hidden;
};

// Text a person types, as opposed to a key that moves, opens or closes: a leading space still
// opens the combo box's own list.
bool isTyping(QKeyEvent const& key, bool leading)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    QString const text = key.text();
    if (text.isEmpty() || (leading && text.trimmed().isEmpty()))
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

// What the finder says, for each kind of row.
constexpr char const* context = "quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder";
struct Said
{
    char const* find;
    char const* noMatch;
    char const* matching;
};
constexpr Said said[] = {
    {QT_TRANSLATE_NOOP("quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder", "Find variable"),
     QT_TRANSLATE_NOOP("quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder",
                       "No variable matches \"%1\""),
     QT_TRANSLATE_NOOP("quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder", "Variables found: %1")},
    {QT_TRANSLATE_NOOP("quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder", "Find zone"),
     QT_TRANSLATE_NOOP("quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder",
                       "No zone matches \"%1\""),
     QT_TRANSLATE_NOOP("quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder", "Zones found: %1")},
    {QT_TRANSLATE_NOOP("quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder", "Find item"),
     QT_TRANSLATE_NOOP("quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder",
                       "No item matches \"%1\""),
     QT_TRANSLATE_NOOP("quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder", "Items found: %1")},
};

QString translated(char const* text)
{
    return QCoreApplication::translate(context, text);
}

// What a message shows of a long text the person typed.
QString shortened(QString const& text)
{
    constexpr int shown = 40;
    if (text.size() <= shown)
        return text;
    int const cut = text.at(shown - 1).isHighSurrogate() ? shown - 1 : shown;
    return text.left(cut) + QChar(0x2026);
}

} // namespace

class ComboBoxFinder::Impl
{
public:
    Impl(ComboBoxFinder& finder, QComboBox& watched, Rows kind)
        : q(finder)
        , combo(&watched)
        , rows(kind)
    {}

    ComboBoxFinder& q;
    QPointer<QComboBox> combo;
    Rows rows;
    bool active = true; // false for a second finder of one combo box
    QPointer<FinderPopup> popup;

    // The rows read from the combo box's model; read again after the model changes.
    RowIndex index;
    QPointer<QAbstractItemModel> indexed;
    bool stale = true;
    std::vector<QMetaObject::Connection> modelConnections;

    // The last search, which a longer text narrows.
    QString needle; // folded
    std::vector<int> matches;
    bool searched = false;

    QPointer<QWidget> container;
    QPointer<QAbstractItemView> view;
    QTimer prepare;

    Said const& says() const { return said[int(rows)]; }

    void watchModel()
    {
        QAbstractItemModel* const model = combo ? combo->model() : nullptr;
        if (model == indexed && !modelConnections.empty())
            return;
        for (auto const& connection : modelConnections)
            QObject::disconnect(connection);
        modelConnections.clear();
        indexed = model;
        stale = true;
        if (!model)
            return;
        auto const changed = [this] { onModelChanged(); };
        modelConnections = {
            QObject::connect(model, &QAbstractItemModel::modelReset, &q, changed),
            QObject::connect(model, &QAbstractItemModel::layoutChanged, &q, changed),
            QObject::connect(model, &QAbstractItemModel::rowsInserted, &q, changed),
            QObject::connect(model, &QAbstractItemModel::rowsRemoved, &q, changed),
            QObject::connect(model, &QAbstractItemModel::rowsMoved, &q, changed),
            QObject::connect(model, &QAbstractItemModel::dataChanged, &q, changed),
        };
    }

    void onModelChanged()
    {
        stale = true;
        searched = false;
        if (popup && popup->isVisible())
            runAtBoundary([this] { search(); });
    }

    // The combo box's own list builds lazily; once it exists, typing in it is watched too.
    void watchOwnList()
    {
        if (!combo)
            return;
        QAbstractItemView* const current = combo->view();
        QWidget* const window = current ? current->window() : nullptr;
        if (window && window != combo->window() && window != container) {
            container = window;
            window->installEventFilter(&q);
        }
        if (current && current != view) {
            view = current;
            current->installEventFilter(&q);
        }
    }

    bool ownListExists() const
    {
        for (QObject* const child : combo->children())
            if (auto* const widget = qobject_cast<QWidget*>(child);
                widget && widget->isWindow() && widget != popup && widget->findChild<QAbstractItemView*>())
                return true;
        return false;
    }

    void open()
    {
        if (popup)
            return;
        watchModel();
        popup = new FinderPopup(
            *combo, [this] { retranslate(); }, [this] { onHidden(); });
        FinderPopup& shown = *popup;
        QObject::connect(shown.field, &QLineEdit::textChanged, &q,
                         [this] { runAtBoundary([this] { search(); }); });
        QObject::connect(shown.list, &QAbstractItemView::clicked, &q,
                         [this](QModelIndex const& at) { runAtBoundary([this, at] { choose(at); }); });
        QObject::connect(shown.list, &QAbstractItemView::entered, &q, [this](QModelIndex const& at) {
            if (popup && (at.flags() & Qt::ItemIsSelectable))
                popup->list->setCurrentIndex(at);
        });
        shown.field->installEventFilter(&q);
        shown.setFont(combo->font());
        retranslate();
        place();
        shown.show();
        shown.field->setFocus(Qt::PopupFocusReason);
    }

    void place()
    {
        FinderPopup& shown = *popup;
        QFontMetrics const metrics(shown.list->font());
        int const rowHeight = std::max(metrics.height() + 4, shown.list->sizeHintForRow(0));
        int const visibleRows = std::max(combo->maxVisibleItems(), 1);
        int const frame = 2 * shown.frameWidth();
        QSize const size(std::max(combo->width(), 24 * metrics.averageCharWidth()),
                         shown.field->sizeHint().height() + visibleRows * rowHeight + frame
                             + 2 * shown.list->frameWidth());
        QRect placed(combo->mapToGlobal(QPoint(0, combo->height())), size);
        if (QScreen const* const screen = combo->screen()) {
            QRect const available = screen->availableGeometry();
            if (placed.bottom() > available.bottom()) {
                int const above = combo->mapToGlobal(QPoint(0, 0)).y() - size.height();
                if (above >= available.top())
                    placed.moveTop(above);
                else
                    placed.moveBottom(available.bottom());
            }
            placed.moveLeft(
                std::max(available.left(), std::min(placed.left(), available.right() - size.width() + 1)));
            placed.moveTop(std::max(placed.top(), available.top()));
        }
        shown.setGeometry(placed);
    }

    void retranslate()
    {
        if (!popup)
            return;
        popup->field->setPlaceholderText(translated(says().find));
        popup->field->setAccessibleName(popup->field->placeholderText());
        popup->list->setAccessibleName(combo ? combo->accessibleName() : QString());
        if (searched)
            showFound();
    }

    // Reads the rows' texts: at once from the library's own model, else row by row through Qt.
    void buildIndex()
    {
        QAbstractItemModel const& model = *combo->model();
        QModelIndex const root = combo->rootModelIndex();
        int const column = combo->modelColumn();
        index.build(model.rowCount(root), [&](auto const& add) {
            bool const direct =
                column == 0 && !root.isValid()
                && ComboBoxFinder::readLibraryRows(
                    model, [&add](std::string const& text, bool header) { add(header, text); });
            if (direct)
                return;
            for (int row = 0, count = model.rowCount(root); row < count; ++row) {
                QModelIndex const at = model.index(row, column, root);
                add(!(model.flags(at) & Qt::ItemIsSelectable), model.data(at, Qt::DisplayRole).toString());
            }
        });
        stale = false;
        searched = false;
    }

    // Reads the rows soon after the combo box takes the focus, so that the first key finds them
    // read; a key typed sooner reads them itself.
    void prepareSoon()
    {
        if (!prepare.isActive())
            prepare.start();
    }

    void prepareNow()
    {
        if (!combo || !combo->hasFocus() || popup)
            return;
        watchModel();
        if (stale && combo->model())
            buildIndex();
    }

    void search()
    {
        if (!popup || !combo)
            return;
        watchModel();
        if (stale)
            buildIndex();
        QString const typed = folded(popup->field->text());
        if (typed.isEmpty()) {
            matches.clear();
            for (int row = 0; row < index.rows(); ++row)
                if (!index.isHeader(row))
                    matches.push_back(row);
        } else {
            // A text that holds the last one can only match rows that matched it.
            bool const narrows = searched && !needle.isEmpty() && typed.contains(needle);
            matches = index.matching(typed, narrows ? &matches : nullptr);
        }
        needle = typed;
        searched = true;
        showFound();
    }

    void showFound()
    {
        FinderPopup& shown = *popup;
        std::vector<int> rowsShown;
        if (needle.isEmpty()) {
            rowsShown.resize(std::size_t(index.rows()));
            std::iota(rowsShown.begin(), rowsShown.end(), 0);
        } else {
            rowsShown.reserve(matches.size());
            int header = -1;
            for (int const row : matches) {
                int const above = index.headerAbove(row);
                if (above >= 0 && above != header)
                    rowsShown.push_back(above);
                header = above;
                rowsShown.push_back(row);
            }
        }
        QString const typed = shown.field->text();
        QString const noMatch = translated(says().noMatch).arg(shortened(typed));
        shown.model.show(combo->model(), combo->modelColumn(), combo->rootModelIndex(), std::move(rowsShown),
                         noMatch);
        int const found = int(matches.size());
        QString const counted = translated(says().matching).arg(found);
        shown.count->setText(QString::number(found));
        shown.count->setAccessibleName(counted);
        shown.field->setAccessibleDescription(counted);
        highlightFirst();
    }

    // The first row that starts with the text, else the first that holds it; with no text, the
    // combo box's current row.
    void highlightFirst()
    {
        FinderPopup& shown = *popup;
        std::vector<int> const& listed = shown.model.rows();
        int target = -1;
        if (needle.isEmpty()) {
            int const current = combo->currentIndex(); // every row is listed, in order
            if (current >= 0 && current < int(listed.size()) && !index.isHeader(current))
                target = current;
        } else {
            for (std::size_t i = 0; i < listed.size() && target < 0; ++i)
                if (!index.isHeader(listed[i]) && index.startsWith(listed[i], needle))
                    target = int(i);
        }
        for (std::size_t i = 0; i < listed.size() && target < 0; ++i)
            if (!index.isHeader(listed[i]))
                target = int(i);
        if (target < 0) {
            shown.list->setCurrentIndex({});
            return;
        }
        QModelIndex const at = shown.model.index(target, 0);
        shown.list->setCurrentIndex(at);
        shown.list->scrollTo(at, QAbstractItemView::PositionAtCenter);
    }

    // Moves the highlight by `step` rows that can be chosen, stopping at either end.
    void move(int step)
    {
        FinderPopup& shown = *popup;
        int const count = shown.model.rowCount();
        int const direction = step < 0 ? -1 : 1;
        int row =
            shown.list->currentIndex().isValid() ? shown.list->currentIndex().row() : (step < 0 ? count : -1);
        int target = -1;
        for (int moved = 0, at = row + direction; at >= 0 && at < count; at += direction)
            if (shown.model.flags(shown.model.index(at, 0)) & Qt::ItemIsSelectable) {
                target = at;
                if (++moved == std::abs(step))
                    break;
            }
        if (target >= 0) {
            shown.list->setCurrentIndex(shown.model.index(target, 0));
            shown.list->scrollTo(shown.list->currentIndex());
        }
    }

    int pageRows() const
    {
        int const height = popup->list->sizeHintForRow(0);
        return height > 0 ? std::max(1, popup->list->viewport()->height() / height - 1) : 1;
    }

    void choose(QModelIndex const& at)
    {
        if (!popup || !at.isValid() || !(at.flags() & Qt::ItemIsSelectable)
            || !(at.flags() & Qt::ItemIsEnabled))
            return;
        int const row = popup->model.sourceRow(at.row());
        QPointer<QComboBox> const chosenIn = combo;
        popup->hide();
        if (!chosenIn || row < 0 || row >= chosenIn->count())
            return;
        // As the combo box reports a choice in its own list; a slot may close the window.
        chosenIn->setCurrentIndex(row);
        QString const text = chosenIn ? chosenIn->itemText(row) : QString();
        if (chosenIn)
            Q_EMIT chosenIn->activated(row);
        if (chosenIn)
            Q_EMIT chosenIn->textActivated(text);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        // The text overload, for hosts built to connect to it.
        if (chosenIn && chosenIn->metaObject()->indexOfSignal("activated(QString)") >= 0)
            QMetaObject::invokeMethod(chosenIn, "activated", Qt::DirectConnection, Q_ARG(QString, text));
#endif
    }

    bool onFieldKey(QKeyEvent& key)
    {
        FinderPopup& shown = *popup;
        bool const alt = key.modifiers() & Qt::AltModifier;
        switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (alt)
                shown.hide();
            else
                move(key.key() == Qt::Key_Up ? -1 : 1);
            return true;
        case Qt::Key_PageUp: move(-pageRows()); return true;
        case Qt::Key_PageDown: move(pageRows()); return true;
        case Qt::Key_Enter:
        case Qt::Key_Return: choose(shown.list->currentIndex()); return true;
        case Qt::Key_Escape:
        case Qt::Key_F4: shown.hide(); return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return true; // the focus stays in the list until it closes
        default: return false;
        }
    }

    void onHidden()
    {
        if (popup)
            popup->deleteLater();
        popup = nullptr;
        needle.clear();
        matches.clear();
        searched = false;
    }
};

ComboBoxFinder::ComboBoxFinder(QComboBox& combo, Rows rows)
    : QObject(&combo)
    , m_impl(std::make_unique<Impl>(*this, combo, rows))
{
    setObjectName(QStringLiteral("quarlinComboBoxFinder"));
    ComboBoxFinder const* const first = of(combo);
    m_impl->active = first == this;
    if (!m_impl->active)
        return;
    constexpr int afterFocus = 50; // ms: past the moment a window opens, before a person types
    m_impl->prepare.setSingleShot(true);
    m_impl->prepare.setInterval(afterFocus);
    connect(&m_impl->prepare, &QTimer::timeout, this,
            [this] { runAtBoundary([this] { m_impl->prepareNow(); }); });
    combo.installEventFilter(this);
    if (m_impl->ownListExists())
        m_impl->watchOwnList();
}

ComboBoxFinder::~ComboBoxFinder()
{
    delete m_impl->popup.data();
}

ComboBoxFinder* ComboBoxFinder::of(QComboBox const& combo)
{
    return combo.findChild<ComboBoxFinder*>(QString(), Qt::FindDirectChildrenOnly);
}

QComboBox* ComboBoxFinder::comboBox() const
{
    return m_impl->combo;
}

void ComboBoxFinder::find(QString const& text)
{
    Impl& d = *m_impl;
    if (!d.active || !d.combo || !d.combo->isVisible() || !d.combo->isEnabled())
        return;
    d.combo->hidePopup();
    d.open();
    bool const same = d.popup->field->text() == text;
    d.popup->field->setText(text);
    if (same && !d.searched)
        d.search(); // textChanged does not come
}

void ComboBoxFinder::close()
{
    if (m_impl->popup)
        m_impl->popup->hide();
}

bool ComboBoxFinder::isOpen() const
{
    return m_impl->popup && m_impl->popup->isVisible();
}

QString ComboBoxFinder::text() const
{
    return isOpen() ? m_impl->popup->field->text() : QString();
}

std::vector<int> ComboBoxFinder::shownRows() const
{
    return isOpen() ? m_impl->popup->model.rows() : std::vector<int>();
}

int ComboBoxFinder::matchCount() const
{
    return isOpen() ? int(m_impl->matches.size()) : 0;
}

QWidget* ComboBoxFinder::popup() const
{
    return isOpen() ? m_impl->popup.data() : nullptr;
}

bool ComboBoxFinder::readLibraryRows(QAbstractItemModel const& model,
                                     std::function<void(std::string const& text, bool header)> const& row)
{
    auto const* const library = qobject_cast<models::QListModel const*>(&model);
    if (!library)
        return false;
    models::GenericModelWrapperInterface const& rows = *library->m_model;
    for (int at = 0, count = std::min(library->m_rowCount, rows.size()); at < count; ++at) {
        bool const header = rows.isHeader(at);
        row(header ? std::string() : rows.getStr(at), header);
    }
    return true;
}

bool ComboBoxFinder::eventFilter(QObject* watched, QEvent* event)
{
    Impl& d = *m_impl;
    if (!d.active || !d.combo)
        return false;
    bool taken = false;
    runAtBoundary([&] {
        QEvent::Type const type = event->type();
        if (d.popup && watched == d.popup->field) {
            if (type == QEvent::KeyPress)
                taken = d.onFieldKey(static_cast<QKeyEvent&>(*event));
            return;
        }
        if (watched == d.combo) {
            if (type == QEvent::ChildPolished && d.ownListExists())
                d.watchOwnList();
            else if (type == QEvent::FocusIn)
                d.prepareSoon();
            else if ((type == QEvent::Hide || (type == QEvent::EnabledChange && !d.combo->isEnabled()))
                     && d.popup)
                d.popup->hide();
            else if (type == QEvent::KeyPress && !d.combo->isEditable() && !d.popup
                     && isTyping(static_cast<QKeyEvent&>(*event), true)) {
                find(static_cast<QKeyEvent&>(*event).text());
                taken = true;
            }
            return;
        }
        if (watched == d.container && type == QEvent::Show) {
            d.watchOwnList(); // a host may have given the combo box another list view
            return;
        }
        if (watched == d.view && type == QEvent::KeyPress
            && isTyping(static_cast<QKeyEvent&>(*event), true)) {
            find(static_cast<QKeyEvent&>(*event).text());
            taken = true;
        }
    });
    return taken;
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
