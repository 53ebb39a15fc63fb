// What a combo box binding costs over a long list: build a ComboBoxPropertyBinding<int> over
// 100,000 rows and follow 1,000 property changes, against a bare QComboBox over a
// QStringListModel of the same rows doing the same setCurrentIndex calls, in the same run.
// The lists are built once, outside the measurement; each iteration builds the combo box, shows
// the list in it (setModel, or the binding with its Qt adapter) and follows the changes.

#include "BenchSupport.h"
#include "property/Property.h"
#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/models/StringListModel.h"

#include <QApplication>
#include <QComboBox>
#include <QStringListModel>

#include <boost/make_shared.hpp>

namespace {

constexpr int rows = 100000;
constexpr int changes = 1000;

int rowOfChange(int i)
{
    return (i * 7919) % rows; // spread over the whole list
}

void BareComboSetCurrentIndex(benchmark::State& state)
{
    QStringList names;
    names.reserve(rows);
    for (int i = 0; i < rows; ++i)
        names << QStringLiteral("Variable %1").arg(i);
    QStringListModel model(names);
    for (auto _ : state) {
        QComboBox combo;
        combo.setModel(&model);
        for (int i = 0; i < changes; ++i)
            combo.setCurrentIndex(rowOfChange(i));
        benchmark::DoNotOptimize(combo.currentIndex());
    }
}

void BoundComboFollowsProperty(benchmark::State& state)
{
    using namespace quarlin::sdk::ui::dialogs::propertybindings;
    std::vector<std::string> names;
    names.reserve(rows);
    for (int i = 0; i < rows; ++i)
        names.push_back("Variable " + std::to_string(i));
    auto const model = boost::make_shared<models::StringListModel>(std::move(names));
    for (auto _ : state) {
        auto const property = boost::make_shared<quarlin::Property<int>>(0);
        QComboBox combo;
        ComboBoxPropertyBinding<int> binding(combo, property, model, BindingInterface::ModelUpdateImmediate);
        for (int i = 0; i < changes; ++i)
            property->setValue(rowOfChange(i));
        benchmark::DoNotOptimize(combo.currentIndex());
    }
}

BENCHMARK(BareComboSetCurrentIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BoundComboFollowsProperty)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return quarlin::bench::runWithRatios(
        argc, argv, {{"Bound combo / bare combo", "BoundComboFollowsProperty", "BareComboSetCurrentIndex"}});
}
