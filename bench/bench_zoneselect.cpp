// What the zone prompt costs to open over large data sets: built, shown with the zone in the
// middle preselected and scrolled into view, until the event loop is idle (the selection is
// applied there), against a bare QListView with uniform item sizes over a QStringListModel of
// the same zone names with the same row selected and scrolled to, in the same run, at 10^4,
// 10^5 and 10^6 zones.

#include "BenchSupport.h"
#include "prompt/ZoneSelectDialog.h"
#include "referencehost/ReferenceHost.h"

#include <QApplication>
#include <QDialog>
#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

using quarlin::host::ReferenceHost;

void loadZones(int count)
{
    if (ReferenceHost::instance().hasDataSet()
        && ReferenceHost::instance().dataSet().zones.size() == static_cast<std::size_t>(count))
        return;
    quarlin::host::DataSet data;
    data.variables = {{"X", {0.0}}};
    data.zones.reserve(static_cast<std::size_t>(count));
    for (int zone = 1; zone <= count; ++zone)
        data.zones.push_back("Zone " + std::to_string(zone));
    ReferenceHost::instance().loadDataSet(std::move(data));
}

void BareListView(benchmark::State& state)
{
    int const count = static_cast<int>(state.range(0));
    loadZones(count);
    auto const& zones = ReferenceHost::instance().dataSet().zones;
    for (auto _ : state) {
        QDialog dialog;
        auto* const layout = new QVBoxLayout(&dialog);
        auto* const view = new QListView(&dialog);
        view->setUniformItemSizes(true);
        layout->addWidget(view);
        QStringList names;
        names.reserve(count);
        for (std::string const& zone : zones)
            names << QString::fromStdString(zone);
        QStringListModel model(names);
        view->setModel(&model);
        QModelIndex const middle = model.index(count / 2 - 1, 0);
        view->selectionModel()->select(middle, QItemSelectionModel::ClearAndSelect);
        view->scrollTo(middle);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(view->selectionModel()->hasSelection());
    }
}

void ZonePrompt(benchmark::State& state)
{
    int const count = static_cast<int>(state.range(0));
    loadZones(count);
    QWidget parent;
    for (auto _ : state) {
        auto& dialog = quarlin::dialogs::prompt::ZoneSelectDialog::getInstance(parent, count / 2);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.selectedZone());
        delete &dialog;
    }
}

BENCHMARK(BareListView)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ZonePrompt)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return quarlin::bench::runWithRatios(
        argc, argv,
        {{"Zone prompt / bare list view, 10^4 zones", "ZonePrompt/10000", "BareListView/10000"},
         {"Zone prompt / bare list view, 10^5 zones", "ZonePrompt/100000", "BareListView/100000"},
         {"Zone prompt / bare list view, 10^6 zones", "ZonePrompt/1000000", "BareListView/1000000"},
         {"Zone prompt growth, 10^6 / 10^5 zones", "ZonePrompt/1000000", "ZonePrompt/100000"}});
}
