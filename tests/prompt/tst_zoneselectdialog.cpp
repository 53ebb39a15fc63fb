#include "testsupport/TestSupport.h"

#include "prompt/ZoneSelectDialog.h"
#include "sdk/host/ReferenceHost.h"

#include <QListView>

using quarlin::dialogs::prompt::ZoneSelectDialog;
using quarlin::host::ReferenceHost;

namespace {

QListView* list(QDialog& dialog)
{
    return dialog.findChild<QListView*>(QStringLiteral("Zone_Source_MList"));
}

QRect rowRect(QDialog& dialog, int row)
{
    return list(dialog)->visualRect(list(dialog)->model()->index(row, 0));
}

bool rowShown(QDialog& dialog, int row)
{
    return list(dialog)->viewport()->rect().contains(rowRect(dialog, row));
}

std::vector<int> selectedRows(QDialog& dialog)
{
    std::vector<int> rows;
    for (QModelIndex const& index : list(dialog)->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    return rows;
}

} // namespace

class TestZoneSelectDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        quarlin::host::DataSet data;
        data.variables = {{"X", {0.0}}};
        for (int zone = 1; zone <= 200; ++zone)
            data.zones.push_back("Zone " + std::to_string(zone));
        ReferenceHost::instance().loadDataSet(std::move(data));
    }

    void everyGetInstancePreselectsAndScrolls()
    {
        QWidget parent;
        ZoneSelectDialog& dialog = ZoneSelectDialog::getInstance(parent, 150);
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QCOMPARE(selectedRows(dialog), std::vector<int>{149});
                QVERIFY(rowShown(dialog, 149));
                QVERIFY(!rowShown(dialog, 0));
            });
        QCOMPARE(&ZoneSelectDialog::getInstance(parent, 5), &dialog);
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QCOMPARE(selectedRows(dialog), std::vector<int>{4});
                QVERIFY(rowShown(dialog, 4));
                QTest::keyClick(list(dialog), Qt::Key_Escape);
            });
        QCOMPARE(dialog.selectedZone(), 5);
    }

    // A second zone replaces the first (single selection); a double click chooses and closes.
    void clickReplacesDoubleClickChooses()
    {
        QWidget parent;
        ZoneSelectDialog& dialog = ZoneSelectDialog::getInstance(parent, 1);
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, {}, rowRect(dialog, 3).center());
                QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, Qt::ControlModifier,
                                  rowRect(dialog, 5).center());
                QCOMPARE(selectedRows(dialog), std::vector<int>{5});
                QCOMPARE(dialog.selectedZone(), 6);
                QPoint const third = rowRect(dialog, 2).center();
                QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, {}, third);
                QTest::mouseDClick(list(dialog)->viewport(), Qt::LeftButton, {}, third);
            });
        QVERIFY(!run.leftOpen);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedZone(), 3);
    }
};

QUARLIN_TEST_MAIN(TestZoneSelectDialog)
#include "tst_zoneselectdialog.moc"
