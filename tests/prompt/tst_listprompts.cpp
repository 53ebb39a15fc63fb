// The prompts that choose from a list: the data loader for a file, remembered per extension, and
// a zone.
#include "testsupport/TestSupport.h"

#include "prompt/ChooseLoaderDialog.h"
#include "prompt/ZoneSelectDialog.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/host/ApplicationSettings.h"
#include "sdk/host/DataLoaderRepository.h"

#include <QLabel>
#include <QListView>
#include <QTemporaryDir>

#include <boost/make_shared.hpp>

using quarlin::dialogs::prompt::ChooseLoaderDialog;
using quarlin::dialogs::prompt::ZoneSelectDialog;
using quarlin::host::ReferenceHost;
using quarlin::sdk::ApplicationSettings;
using quarlin::sdk::DataLoaderInterface;
using quarlin::sdk::DataLoaderRepository;
using quarlin::test::texts;
using LoaderList = std::vector<boost::shared_ptr<DataLoaderInterface>>;

namespace {

struct NamedLoader : DataLoaderInterface
{
    explicit NamedLoader(std::string n)
        : loaderName(std::move(n))
    {}
    std::string name() const override { return loaderName; }
    std::vector<std::string> extensions() const override { return {}; }
    bool load(std::string const&, quarlin::host::DataSet&, std::string& error) const override
    {
        error = "not a real loader";
        return false;
    }
    std::string loaderName;
};

boost::shared_ptr<DataLoaderInterface> loader(char const* name)
{
    for (auto const& known : DataLoaderRepository::getInstance().dataLoaderInterfaces(false))
        if (known->name() == name)
            return known;
    return {};
}

// The one list of a prompt.
QListView* list(QDialog& dialog)
{
    return dialog.findChild<QListView*>();
}

QRect rowRect(QDialog& dialog, int row)
{
    return list(dialog)->visualRect(list(dialog)->model()->index(row, 0));
}

QStringList rows(QDialog& dialog)
{
    QStringList texts;
    for (int row = 0; row < list(dialog)->model()->rowCount(); ++row) {
        QModelIndex const index = list(dialog)->model()->index(row, 0);
        bool const header = !(index.flags() & Qt::ItemIsSelectable);
        texts << (header ? QStringLiteral("[%1]") : QStringLiteral("%1")).arg(index.data().toString());
    }
    return texts;
}

void clickRow(QDialog& dialog, int row, bool twice = false)
{
    QPoint const at = rowRect(dialog, row).center();
    QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list(dialog)->viewport(), Qt::LeftButton, {}, at);
}

std::string const key = "LastLoaderUsedForExt_.dat";

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

class TestListPrompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        QVERIFY(m_settings.isValid());
        ApplicationSettings::getInstance().setFileName(
            m_settings.filePath(QStringLiteral("settings.ini")).toStdString());
        for (std::string const& k : ApplicationSettings::getInstance().keys())
            ApplicationSettings::getInstance().removeValue(k);
        auto& repository = DataLoaderRepository::getInstance();
        repository.clear();
        for (char const* name : {"D", "B", "C", "A"})
            repository.registerLoader(boost::make_shared<NamedLoader>(name));
        quarlin::host::DataSet data;
        data.variables = {{"X", {0.0}}};
        for (int zone = 1; zone <= 200; ++zone)
            data.zones.push_back("Zone " + std::to_string(zone));
        ReferenceHost::instance().loadDataSet(std::move(data));
    }

private:
    QTemporaryDir m_settings;

private Q_SLOTS:
    void rowsLabelAndTitle_data()
    {
        QTest::addColumn<QStringList>("suggested");
        QTest::addColumn<QStringList>("extensions");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("found");
        QTest::newRow("suggested B, A, A")
            << texts({"B", "A", "A"}) << texts({".csv"})
            << texts({"[Suggested Loaders]", "A", "B", "[]", "[Other Available Loaders]", "C", "D"})
            << QStringLiteral("Choose Loader (*.csv )") << true;
        QTest::newRow("none suggested, no extension")
            << QStringList() << QStringList() << texts({"A", "B", "C", "D"})
            << QStringLiteral("Choose Loader ") << false;
        QTest::newRow("two extensions")
            << texts({"C"}) << texts({".txt", ".CSV"})
            << texts({"[Suggested Loaders]", "C", "[]", "[Other Available Loaders]", "A", "B", "D"})
            << QStringLiteral("Choose Loader (*.CSV *.txt )") << true;
    }

    void rowsLabelAndTitle()
    {
        QFETCH(QStringList, suggested);
        QFETCH(QStringList, extensions);
        QFETCH(QStringList, rows);
        QFETCH(QString, title);
        QFETCH(bool, found);
        LoaderList loaders;
        for (QString const& name : suggested)
            loaders.push_back(loader(qPrintable(name)));
        std::set<std::string> extensionSet;
        for (QString const& extension : extensions)
            extensionSet.insert(extension.toStdString());
        QWidget parent;
        ChooseLoaderDialog& dialog = ChooseLoaderDialog::getInstance(parent, loaders, extensionSet);
        QCOMPARE(::rows(dialog), rows);
        QCOMPARE(dialog.windowTitle(), title);
        QCOMPARE(
            dialog.findChild<QLabel*>(QStringLiteral("label"))->text().startsWith(QStringLiteral("Multiple")),
            found);
        QVERIFY(!dialog.selectedLoader()); // nothing selected: no loader, no crash
    }

    void rememberedChoiceIsPreselectedAndOkStoresTheNewOne()
    {
        auto& settings = ApplicationSettings::getInstance();
        settings.depositValue(key, "B");
        QWidget parent;
        ChooseLoaderDialog& dialog = ChooseLoaderDialog::getInstance(parent, {loader("A")}, {".dat"});
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QCOMPARE(dialog.selectedLoader()->name(), std::string("B"));
                clickRow(dialog, 6); // D
                QTest::mouseClick(quarlin::test::dialogButton(dialog, QDialogButtonBox::Cancel),
                                  Qt::LeftButton);
            });
        QCOMPARE(settings.getStringValue(key), std::string("B"));
        ChooseLoaderDialog::getInstance(parent, {loader("A")}, {".dat"});
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                clickRow(dialog, 5); // C
                quarlin::test::reachIdle();
                QTest::mouseClick(quarlin::test::dialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            });
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.getStringValue(key), std::string("C"));
    }

    void severalExtensionsNeitherReadNorStore()
    {
        auto& settings = ApplicationSettings::getInstance();
        settings.depositValue(key, "B");
        QWidget parent;
        ChooseLoaderDialog& dialog = ChooseLoaderDialog::getInstance(parent, {}, {".dat", ".txt"});
        QVERIFY(!dialog.selectedLoader());
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QVERIFY(!quarlin::test::dialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
                clickRow(dialog, 3);
                quarlin::test::reachIdle();
                QTest::mouseClick(quarlin::test::dialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            });
        QCOMPARE(dialog.selectedLoader()->name(), std::string("D"));
        QCOMPARE(settings.keys(), std::vector<std::string>{key});
        QCOMPARE(settings.getStringValue(key), std::string("B"));
    }

    void doubleClickChoosesTheLoader()
    {
        QWidget parent;
        ChooseLoaderDialog& dialog =
            ChooseLoaderDialog::getInstance(parent, {loader("C"), loader("A")}, {".csv"});
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); }, [&] { clickRow(dialog, 2, true); });
        QVERIFY(!run.leftOpen);
        QCOMPARE(dialog.selectedLoader()->name(), std::string("C"));
        QCOMPARE(ApplicationSettings::getInstance().getStringValue("LastLoaderUsedForExt_.csv"),
                 std::string("C"));
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

QUARLIN_TEST_MAIN(TestListPrompts)
#include "tst_listprompts.moc"
