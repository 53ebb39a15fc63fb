#include "testsupport/TestSupport.h"

#include "property/Property.h"
#include "propertybindings/ListViewPropertyBinding.h"
#include "propertybindings/models/StringListModel.h"

#include <QListView>

#include <set>

using quarlin::Property;
using namespace quarlin::sdk::ui::dialogs::propertybindings;

namespace {

// A list view over "Row 0".."Row 9" bound to a set of row numbers, shown and counting what the
// property and the selection go through.
struct Fixture
{
    Fixture()
        : model(boost::make_shared<models::StringListModel>(rowTexts()))
        , property(boost::make_shared<Property<std::set<int>>>())
        , changes(property->connectToValueChangedSignal([this](std::set<int> const&) { ++propertyChanges; }))
    {
        binding.init(view, property, model, BindingInterface::ModelUpdateImmediate);
        binding.setSelectionMode(QAbstractItemView::ExtendedSelection);
        QObject::connect(view.selectionModel(), &QItemSelectionModel::selectionChanged,
                         [this] { ++selectionChanges; });
        view.show();
        quarlin::test::reachIdle();
    }

    static std::vector<std::string> rowTexts()
    {
        std::vector<std::string> rows;
        for (int i = 0; i < 10; ++i)
            rows.push_back("Row " + std::to_string(i));
        return rows;
    }

    std::set<int> selectedRows() const
    {
        std::set<int> rows;
        for (QModelIndex const& index : view.selectionModel()->selectedIndexes())
            rows.insert(index.row());
        return rows;
    }

    void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QRect const cell = view.visualRect(view.model()->index(row, 0));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    QListView view;
    boost::shared_ptr<models::StringListModel> model;
    boost::shared_ptr<Property<std::set<int>>> property;
    int propertyChanges = 0;
    int selectionChanges = 0;
    boost::signals2::scoped_connection changes;
    ListViewPropertyBinding binding;
};

} // namespace

class TestListViewPropertySynchronizer : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void programmaticChangeSelectsAtIdleWithoutWritingBack()
    {
        Fixture f;
        f.property->setValue({2, 3, 7});
        QVERIFY(f.selectedRows().empty());
        quarlin::test::reachIdle();
        QCOMPARE(f.selectedRows(), (std::set<int>{2, 3, 7}));
        QCOMPARE(f.propertyChanges, 1);
        int const selectionChanges = f.selectionChanges;
        f.property->setValue({2, 3, 7}); // the same rows: nothing is applied again
        quarlin::test::reachIdle();
        QCOMPARE(f.selectionChanges, selectionChanges);
    }

    void personsSelectionWritesOnceAndSorted()
    {
        Fixture f;
        f.click(6);
        f.click(1, Qt::ControlModifier);
        QCOMPARE(f.property->value(), (std::set<int>{1, 6}));
        QCOMPARE(f.propertyChanges, 2);
        int const selectionChanges = f.selectionChanges;
        quarlin::test::reachIdle(); // no redisplay was scheduled for the person's own change
        QCOMPARE(f.selectionChanges, selectionChanges);
        QCOMPARE(f.selectedRows(), (std::set<int>{1, 6}));
    }

    void unknownValueLeavesNoSelection()
    {
        Fixture f;
        f.click(4);
        f.property->setValue({99});
        quarlin::test::reachIdle();
        QVERIFY(f.selectedRows().empty());
        QCOMPARE(f.property->value(), std::set<int>{99});
    }

    void removedRowDropsItsValueAtIdle()
    {
        Fixture f;
        f.property->setValue({8, 9});
        quarlin::test::reachIdle();
        f.model->remove(9, 9);
        quarlin::test::reachIdle();
        QCOMPARE(f.property->value(), std::set<int>{8});
        QCOMPARE(f.selectedRows(), std::set<int>{8});
    }
};

QUARLIN_TEST_MAIN(TestListViewPropertySynchronizer)
#include "tst_listviewpropertysynchronizer.moc"
