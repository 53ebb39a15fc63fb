// What keeping a list view's selection in step with a property costs, against what a Qt
// developer would write instead, in the same run. A model of N rows (10^4, 10^5, 10^6) and a
// row vector selecting N/2 of them, contiguous or every other row:
// - the synchroniser: the vector set on a property bound to the view, then the event loop
//   reaches idle, where the selection is applied and the view repaints;
// - bare Qt: the same vector merged into ranges, one QItemSelectionModel::select of them, and the
//   same repaint. Bare Qt on every other row grows with the square of the ranges (each new range
//   is compared with those before), so it runs only at sizes that finish in seconds, and its
//   growth is printed.
// - the floor the property itself sets: the vector set on a property someone listens to and read
//   back (the copies a property of values makes), then bare Qt's select from it.
// - the floor Qt itself sets for many ranges: bare Qt that avoids the square (the old selection
//   cleared and the new one selected with the model's signals blocked, then one repaint), so the
//   cost left is Qt's own bookkeeping of every range.
// Each iteration alternates between two selections of the same shape, so every one is applied.

#include "BenchSupport.h"
#include "property/Property.h"
#include "propertybindings/ListViewPropertyBinding.h"
#include "propertybindings/models/StringListModel.h"

#include <QApplication>
#include <QListView>
#include <QSignalBlocker>
#include <QStringListModel>

#include <array>

namespace {

using namespace quarlin::sdk::ui::dialogs::propertybindings;

std::vector<std::string> rowTexts(int rows)
{
    std::vector<std::string> texts;
    texts.reserve(std::size_t(rows));
    for (int i = 0; i < rows; ++i)
        texts.push_back("Row " + std::to_string(i));
    return texts;
}

// Two selections of half the rows, one shifted by a row from the other.
std::array<std::vector<int>, 2> shapes(int rows, int stride)
{
    std::array<std::vector<int>, 2> both;
    for (int shift = 0; shift < 2; ++shift)
        for (int i = 0; i < rows / 2; ++i)
            both[std::size_t(shift)].push_back(i * stride + shift);
    return both;
}

void prepare(QListView& view)
{
    view.setUniformItemSizes(true);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void synchronise(benchmark::State& state, int stride)
{
    int const rows = int(state.range(0));
    QListView view;
    prepare(view);
    auto const model = boost::make_shared<models::StringListModel>(rowTexts(rows));
    auto const property = boost::make_shared<quarlin::Property<std::vector<int>>>();
    ListViewPropertyBinding binding;
    binding.init(view, property, model, BindingInterface::ModelUpdateImmediate);
    view.show();
    auto const selections = shapes(rows, stride);
    std::size_t i = 0;
    for (auto _ : state) {
        property->setValue(selections[++i & 1]);
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(view.selectionModel()->hasSelection());
}

// What a Qt developer writes: adjacent rows of the vector as one range, one select, the repaint.
// With throughProperty, the vector first goes through a property and is read back from it; with
// quiet, the selection is replaced unannounced and the viewport repainted.
void bareSelect(benchmark::State& state, int stride, bool throughProperty = false, bool quiet = false)
{
    int const rows = int(state.range(0));
    QListView view;
    prepare(view);
    QStringList names;
    for (std::string const& text : rowTexts(rows))
        names << QString::fromStdString(text);
    QStringListModel model(names);
    view.setModel(&model);
    view.show();
    auto const selections = shapes(rows, stride);
    quarlin::Property<std::vector<int>> property;
    boost::signals2::scoped_connection const listener = property.connectToPropertyChangedSignal([] {});
    std::size_t i = 0;
    for (auto _ : state) {
        std::vector<int> held;
        if (throughProperty) {
            property.setValue(selections[++i & 1]);
            held = property.value();
        }
        std::vector<int> const& selected = throughProperty ? held : selections[++i & 1];
        QItemSelection ranges;
        for (std::size_t first = 0; first < selected.size();) {
            std::size_t last = first;
            while (last + 1 < selected.size() && selected[last + 1] == selected[last] + 1)
                ++last;
            ranges.append(
                QItemSelectionRange(model.index(selected[first], 0), model.index(selected[last], 0)));
            first = last + 1;
        }
        if (quiet) {
            {
                QSignalBlocker const blocker(view.selectionModel());
                view.selectionModel()->clearSelection();
                view.selectionModel()->select(ranges, QItemSelectionModel::Select);
            }
            view.viewport()->update();
        } else {
            view.selectionModel()->select(ranges, QItemSelectionModel::ClearAndSelect);
        }
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(view.selectionModel()->hasSelection());
}

void SyncContiguous(benchmark::State& state)
{
    synchronise(state, 1);
}

void SyncEveryOther(benchmark::State& state)
{
    synchronise(state, 2);
}

void BareContiguous(benchmark::State& state)
{
    bareSelect(state, 1);
}

void BareEveryOther(benchmark::State& state)
{
    bareSelect(state, 2);
}

void FloorContiguous(benchmark::State& state)
{
    bareSelect(state, 1, true);
}

void FloorEveryOther(benchmark::State& state)
{
    bareSelect(state, 2, false, true);
}

BENCHMARK(BareContiguous)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorContiguous)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SyncContiguous)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorEveryOther)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SyncEveryOther)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
// 5,000 and 10,000 ranges: about a third of a second and over a second.
BENCHMARK(BareEveryOther)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return quarlin::bench::runWithRatios(
        argc, argv,
        {{"Contiguous, 10^4 rows: sync / bare", "SyncContiguous/10000", "BareContiguous/10000"},
         {"Contiguous, 10^5 rows: sync / bare", "SyncContiguous/100000", "BareContiguous/100000"},
         {"Contiguous, 10^6 rows: sync / bare", "SyncContiguous/1000000", "BareContiguous/1000000"},
         {"Contiguous, 10^6 rows: sync / floor", "SyncContiguous/1000000", "FloorContiguous/1000000"},
         {"Contiguous, 10^6 rows: floor / bare", "FloorContiguous/1000000", "BareContiguous/1000000"},
         {"Every other, 10^4 rows: sync / bare", "SyncEveryOther/10000", "BareEveryOther/10000"},
         {"Every other, sync growth 10^4 -> 10^5", "SyncEveryOther/100000", "SyncEveryOther/10000"},
         {"Every other, sync growth 10^5 -> 10^6", "SyncEveryOther/1000000", "SyncEveryOther/100000"},
         {"Every other, 10^6 rows: sync / Qt floor", "SyncEveryOther/1000000", "FloorEveryOther/1000000"},
         {"Every other, Qt floor growth 10^5 -> 10^6", "FloorEveryOther/1000000", "FloorEveryOther/100000"},
         {"Every other, bare growth 10^4 -> 2x10^4", "BareEveryOther/20000", "BareEveryOther/10000"}});
}
