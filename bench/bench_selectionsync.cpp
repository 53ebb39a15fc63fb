// What keeping a list view's selection in step with a property costs over 10^6 rows: a
// property of 500,000 row numbers, every other row, against 500,000 contiguous rows, each
// synchronised (set, then the event loop reaches idle, where the selection is applied and the
// view repaints), against a bare QItemSelectionModel::select of one range of 500,000 rows
// followed by the same repaint, in the same run. Each iteration alternates between two
// selections of the same shape, so every one is applied.

#include "BenchSupport.h"
#include "property/Property.h"
#include "propertybindings/ListViewPropertyBinding.h"
#include "propertybindings/models/StringListModel.h"

#include <QApplication>
#include <QListView>
#include <QStringListModel>

namespace {

using namespace quarlin::sdk::ui::dialogs::propertybindings;

constexpr int rows = 1000000;
constexpr int selected = rows / 2;

std::vector<std::string> rowTexts()
{
    std::vector<std::string> texts;
    texts.reserve(rows);
    for (int i = 0; i < rows; ++i)
        texts.push_back("Row " + std::to_string(i));
    return texts;
}

void synchronise(benchmark::State& state, int stride)
{
    QListView view;
    view.setUniformItemSizes(true);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto const model = boost::make_shared<models::StringListModel>(rowTexts());
    auto const property = boost::make_shared<quarlin::Property<std::vector<int>>>();
    ListViewPropertyBinding binding;
    binding.init(view, property, model, BindingInterface::ModelUpdateImmediate);
    view.show();
    std::vector<int> shapes[2];
    for (int shift = 0; shift < 2; ++shift)
        for (int i = 0; i < selected; ++i)
            shapes[shift].push_back(i * stride + shift);
    int i = 0;
    for (auto _ : state) {
        property->setValue(shapes[++i & 1]);
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(view.selectionModel()->hasSelection());
}

void EveryOtherRow(benchmark::State& state)
{
    synchronise(state, 2);
}

void ContiguousRows(benchmark::State& state)
{
    synchronise(state, 1);
}

void BareSelectOneRange(benchmark::State& state)
{
    QListView view;
    view.setUniformItemSizes(true);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    QStringList names;
    for (std::string const& text : rowTexts())
        names << QString::fromStdString(text);
    QStringListModel model(names);
    view.setModel(&model);
    view.show();
    int i = 0;
    for (auto _ : state) {
        int const shift = ++i & 1;
        view.selectionModel()->select(
            QItemSelection(model.index(shift, 0), model.index(shift + selected - 1, 0)),
            QItemSelectionModel::ClearAndSelect);
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(view.selectionModel()->hasSelection());
}

BENCHMARK(BareSelectOneRange)->Unit(benchmark::kMillisecond);
BENCHMARK(ContiguousRows)->Unit(benchmark::kMillisecond);
BENCHMARK(EveryOtherRow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return quarlin::bench::runWithRatios(
        argc, argv,
        {{"Every other row / contiguous rows", "EveryOtherRow", "ContiguousRows"},
         {"Contiguous rows / bare select of one range", "ContiguousRows", "BareSelectOneRange"}});
}
