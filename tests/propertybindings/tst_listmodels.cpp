#include "testsupport/TestModels.h"
#include "testsupport/TestSupport.h"

#include "propertybindings/models/PremappedListModel.h"
#include "propertybindings/models/QListModel.h"
#include "propertybindings/models/StringListModel.h"

#include <QListView>
#include <QSignalSpy>

#include <stdexcept>

using quarlin::test::VectorModel;
using namespace quarlin::sdk::ui::dialogs::propertybindings::models;

namespace {

using IntRows = std::vector<VectorModel<int>::Row>;

IntRows rowsOf(std::vector<int> values)
{
    IntRows rows;
    for (int v : values)
        rows.push_back({"item " + std::to_string(v), v, false});
    return rows;
}

QStringList shown(QAbstractItemModel const& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data().toString();
    return texts;
}

} // namespace

class TestListModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // The lowest row that holds the value, or -1; a model that shrinks while asked is not read past
    // its end.
    void indexOfFindsTheLowestRow()
    {
        VectorModel<int> model(rowsOf({4, 9, 6, 9}));
        QCOMPARE(model.indexOf(4), 0);
        QCOMPARE(model.indexOf(9), 1);
        QCOMPARE(model.indexOf(7), -1);
        VectorModel<int> shrinking(rowsOf({1, 2, 3, 4, 5, 6}));
        shrinking.shrinkOnGet = 2; // each look at a row loses two rows off the end
        QCOMPARE(shrinking.indexOf(6), -1);
        QCOMPARE(shrinking.getCalls, 2); // rows 0 and 1; then the size asked again says 2 rows are left
    }
    void modelSignalsReachTheView_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("insert in the middle")
            << QStringLiteral("insert")
            << QStringList{QStringLiteral("item 1"), QStringLiteral("item 10"), QStringLiteral("item 11"),
                           QStringLiteral("item 2"), QStringLiteral("item 3")};
        QTest::newRow("replace all") << QStringLiteral("replace") << QStringList{QStringLiteral("item 9")};
        QTest::newRow("change one") << QStringLiteral("item")
                                    << QStringList{QStringLiteral("item 1"), QStringLiteral("renamed"),
                                                   QStringLiteral("item 3")};
        QTest::newRow("remove two") << QStringLiteral("remove") << QStringList{QStringLiteral("item 3")};
    }

    void modelSignalsReachTheView()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, after);
        VectorModel<int> model(rowsOf({1, 2, 3}));
        QListModel adapter(model);
        QListView view;
        view.setModel(&adapter);
        QSignalSpy inserted(&adapter, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(&adapter, &QAbstractItemModel::modelReset);
        QSignalSpy changed(&adapter, &QAbstractItemModel::dataChanged);
        QSignalSpy removed(&adapter, &QAbstractItemModel::rowsRemoved);
        // The views must see the old count until the insertion or removal is announced.
        int countWhenAnnounced = -1;
        for (auto announcement :
             {&QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsAboutToBeRemoved})
            connect(&adapter, announcement, this, [&] { countWhenAnnounced = adapter.rowCount(); });

        if (change == QLatin1String("insert")) {
            model.insert(1, rowsOf({10, 11}));
            QCOMPARE(inserted.count(), 1);
            QCOMPARE(inserted.at(0).at(1).toInt(), 1); // the same two numbers
            QCOMPARE(inserted.at(0).at(2).toInt(), 2);
            QCOMPARE(countWhenAnnounced, 3);
        } else if (change == QLatin1String("replace")) {
            model.replace(rowsOf({9}));
            QCOMPARE(reset.count(), 1);
        } else if (change == QLatin1String("item")) {
            model.changeText(1, "renamed");
            QCOMPARE(changed.count(), 1);
            QCOMPARE(changed.at(0).at(0).value<QModelIndex>().row(), 1);
        } else {
            model.remove(0, 1);
            QCOMPARE(removed.count(), 1);
            QCOMPARE(removed.at(0).at(1).toInt(), 0);
            QCOMPARE(removed.at(0).at(2).toInt(), 1);
            QCOMPARE(countWhenAnnounced, 3);
        }
        QCOMPARE(shown(adapter), after);
        QCOMPARE(view.model()->rowCount(), after.size());
    }

    void editingGoesThroughTheModel()
    {
        VectorModel<int> model(rowsOf({1, 2}));
        QListModel adapter(model);
        QVERIFY(!adapter.setData(adapter.index(0, 0), QStringLiteral("x"))); // not editable
        model.editable = true;
        QVERIFY(adapter.flags(adapter.index(0, 0)) & Qt::ItemIsEditable);
        QVERIFY(adapter.setData(adapter.index(0, 0), QStringLiteral("first")));
        QCOMPARE(model.getStr(0), std::string("first"));
        QVERIFY(!adapter.setData(adapter.index(1, 0), QString())); // the model refuses empty text
        QCOMPARE(model.getStr(1), std::string("item 2"));
    }

    // The string list models and the premapped one: rows, headers, values and their bounds.
    void fixedListModels()
    {
        StringListWithHeadersModel model;
        QListModel adapter(model);
        model.appendHeaderRow("Suggested Loaders");
        model.append("Text Loader");
        model.appendHeaderRow("");
        model.append("Binary Loader");
        QCOMPARE(adapter.rowCount(), 4);
        QVERIFY(model.isHeader(0));
        QVERIFY(!model.isHeader(1));
        QVERIFY(!model.isHeader(4)); // outside: not a header
        QCOMPARE(model.get(3), 3);   // the value of a row is its number
        QCOMPARE(model.indexOf(3), 3);
        QCOMPARE(model.indexOf(4), -1);
        QVERIFY_EXCEPTION_THROWN(model.get(4), std::out_of_range);
        model.remove(0, 1);
        QCOMPARE(shown(adapter), (QStringList{QString(), QStringLiteral("Binary Loader")}));
        QVERIFY(model.isHeader(0)); // header flags move with their rows
        model.clear();
        QCOMPARE(adapter.rowCount(), 0);
        PremappedListModel<RGBMode_e> modes({{"R, G, B", RGBMode_SpecifyRGB}, {"G, B", RGBMode_SpecifyGB}});
        QCOMPARE(modes.get(1), RGBMode_SpecifyGB);
        QCOMPARE(modes.getStr(1), std::string("G, B"));
        QCOMPARE(modes.indexOf(RGBMode_SpecifyRB), -1);
        QVERIFY_EXCEPTION_THROWN(modes.get(2), std::out_of_range);
        QVERIFY_EXCEPTION_THROWN(modes.getStr(-1), std::out_of_range);
    }
};

QUARLIN_TEST_MAIN(TestListModels)
#include "tst_listmodels.moc"
