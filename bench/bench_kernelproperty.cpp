// What a kernel property costs over a plain one, and what a variable prompt costs to open over a
// large data set, each against its bare baseline in the same run:
// - reading a KernelProperty<int> whose value is current (no host change since its last read)
//   against reading a Property<int>, both with one listener;
// - setValue through the reference host's style store against Property<int>::setValue, both
//   with one listener (the host call is the floor: it looks the setting up by name, records the
//   write and announces it);
// - the axis variable prompt over 100,000 variables, built, shown and filled, against a bare
//   QComboBox given the same 100,000 names in a bare QDialog.

#include "BenchSupport.h"
#include "ReadThroughBase.h"
#include "prompt/AxisVariableSelectDialog.h"
#include "property/Property.h"
#include "referencehost/ReferenceHost.h"
#include "styleproperties/KernelProperty.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>

namespace {

using quarlin::host::ReferenceHost;

constexpr int variables = 100000;

quarlin::toolbox::StyleValue const benchSetting("Bench", "Int");

[[gnu::noinline]] boost::shared_ptr<quarlin::PropertyAbstract<int>> makeProperty(bool kernel)
{
    if (kernel)
        return boost::make_shared<quarlin::sdk::styleproperties::KernelProperty<int>>(benchSetting);
    return boost::make_shared<quarlin::Property<int>>(3);
}

void measureRead(benchmark::State& state, bool kernel)
{
    auto const property = makeProperty(kernel);
    int heard = 0;
    boost::signals2::scoped_connection const listener =
        property->connectToValueChangedSignal([&heard](int) { ++heard; });
    quarlin::bench::readThroughBase(state, *property);
    benchmark::DoNotOptimize(heard);
}

void PropertyRead(benchmark::State& state)
{
    measureRead(state, false);
}

void KernelPropertyRead(benchmark::State& state)
{
    measureRead(state, true);
}

void PropertySetValue(benchmark::State& state)
{
    quarlin::Property<int> property(0);
    int heard = 0;
    boost::signals2::scoped_connection const listener =
        property.connectToValueChangedSignal([&heard](int) { ++heard; });
    int i = 0;
    for (auto _ : state)
        property.setValue(++i & 1);
    benchmark::DoNotOptimize(heard);
}

void KernelPropertySetValue(benchmark::State& state)
{
    auto& store = ReferenceHost::instance().styleStore();
    quarlin::sdk::styleproperties::KernelProperty<int> property(benchSetting);
    int heard = 0;
    boost::signals2::scoped_connection const listener =
        property.connectToValueChangedSignal([&heard](int) { ++heard; });
    // One open undo step, so the host's history does not grow with the iterations; its record
    // of writes is emptied now and then for the same reason.
    store.beginStep();
    int i = 0;
    for (auto _ : state) {
        property.setValue(++i & 1);
        if ((i & 4095) == 0)
            store.clearWrites();
    }
    store.endStep(false);
    store.clearWrites();
    benchmark::DoNotOptimize(heard);
}

void BareComboOverNames(benchmark::State& state)
{
    auto const& names = ReferenceHost::instance().dataSet().variables;
    for (auto _ : state) {
        QDialog dialog;
        QComboBox combo(&dialog);
        QStringList items;
        items.reserve(static_cast<int>(names.size()));
        for (auto const& variable : names)
            items << QString::fromStdString(variable.name);
        combo.addItems(items);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(combo.currentIndex());
    }
}

void AxisVariablePrompt(benchmark::State& state)
{
    QWidget parent;
    for (auto _ : state) {
        auto& dialog = quarlin::dialogs::prompt::AxisVariableSelectDialog::getInstance(parent);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.result());
        delete &dialog;
    }
}

BENCHMARK(PropertyRead);
BENCHMARK(KernelPropertyRead);
BENCHMARK(PropertySetValue);
BENCHMARK(KernelPropertySetValue);
BENCHMARK(BareComboOverNames)->Unit(benchmark::kMillisecond);
BENCHMARK(AxisVariablePrompt)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto& host = ReferenceHost::instance();
    host.styleStore().define({"Bench", "Int"}, __int64(0));
    quarlin::host::DataSet large;
    large.title = "100,000 variables";
    large.variables.reserve(variables);
    for (int i = 1; i <= variables; ++i)
        large.variables.push_back({"Variable " + std::to_string(i), {}});
    host.loadDataSet(std::move(large));
    host.setPlotType(PlotType_Cartesian2D);
    return quarlin::bench::runWithRatios(
        argc, argv,
        {{"Kernel property read / property read", "KernelPropertyRead", "PropertyRead"},
         {"Kernel property setValue / property setValue", "KernelPropertySetValue", "PropertySetValue"},
         {"Axis variable prompt / bare combo, 100,000 variables", "AxisVariablePrompt",
          "BareComboOverNames"}});
}
