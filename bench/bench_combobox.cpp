// What a combo box binding costs over a long list, each case against bare Qt in the same run:
// - build a ComboBoxPropertyBinding<int> over 100,000 rows and follow 1,000 property changes,
//   against a bare QComboBox over a QStringListModel of the same rows doing the same
//   setCurrentIndex calls. The lists are built once, outside the measurement; each iteration
//   builds the combo box, shows the list in it and follows the changes;
// - find as you type in 100,000 names: a person types "rms_0417" and erases it again, one key at
//   a time (15 texts), in a shown combo box whose finder shows the rows in its open list, against
//   a QSortFilterProxyModel over a QStringListModel of the same names given the same texts as a
//   fixed, case-insensitive filter (the model alone, no view), and against a bare loop asking
//   each name QString::contains(text, Qt::CaseInsensitive). Each iteration starts from a
//   fresh combo box that took the focus a moment before, as a person's does; the worst single
//   keystroke is reported too, and so is a first key on a combo box that never had the focus
//   (the finder reads the rows then);
// - open and close the list of a bound combo box that has a finder, against one without.

#include "BenchSupport.h"
#include "property/Property.h"
#include "propertybindings/ComboBoxFinder.h"
#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/models/StringListModel.h"

#include <QApplication>
#include <QComboBox>
#include <QSortFilterProxyModel>
#include <QStringListModel>

#include <QElapsedTimer>

#include <chrono>

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

// Names as instruments give them: a quantity, what was measured, a probe number.
std::string probeName(int i)
{
    static char const* const stems[] = {"Temperature_probe_", "Pressure_probe_", "U_velocity_rms_",
                                        "V_velocity_rms_", "Density_mean_"};
    std::string number = std::to_string(i / 5);
    if (number.size() < 4)
        number.insert(0, 4 - number.size(), '0');
    return stems[i % 5] + number;
}

// Shows the combo box with the focus and lets the time pass that a person takes to start typing.
void focusAndWait(QComboBox& combo)
{
    combo.show();
    QApplication::setActiveWindow(&combo);
    combo.setFocus();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 100)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A person types "rms_0417" and erases it again.
QStringList typedTexts()
{
    QString const word = QStringLiteral("rms_0417");
    QStringList texts;
    for (int i = 1; i <= word.size(); ++i)
        texts << word.left(i);
    for (int i = word.size() - 1; i >= 1; --i)
        texts << word.left(i);
    return texts;
}

using quarlin::sdk::ui::dialogs::propertybindings::BindingInterface;
using quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder;
using quarlin::sdk::ui::dialogs::propertybindings::ComboBoxPropertyBinding;
using ProbeList = quarlin::sdk::ui::dialogs::propertybindings::models::StringListModel;

// The probe names, as the library's list and as Qt's; built once, outside every measurement.
boost::shared_ptr<ProbeList> const& probeList()
{
    static auto const list = [] {
        std::vector<std::string> names;
        names.reserve(rows);
        for (int i = 0; i < rows; ++i)
            names.push_back(probeName(i));
        return boost::make_shared<ProbeList>(std::move(names));
    }();
    return list;
}

QStringList const& probeStrings()
{
    static QStringList const names = [] {
        QStringList all;
        all.reserve(rows);
        for (int i = 0; i < rows; ++i)
            all << QString::fromStdString(probeName(i));
        return all;
    }();
    return names;
}

// A combo box bound to a property over the probe names, with or without a finder.
struct ProbeCombo
{
    explicit ProbeCombo(bool finding)
        : binding(combo, property, probeList(), BindingInterface::ModelUpdateImmediate)
        , finder(finding ? binding.findAsYouType(ComboBoxFinder::Rows::Variables) : nullptr)
    {}

    boost::shared_ptr<quarlin::Property<int>> property = boost::make_shared<quarlin::Property<int>>(0);
    QComboBox combo;
    ComboBoxPropertyBinding<int> binding;
    ComboBoxFinder* finder; // owned by the combo box
};

void ProxyFilterTyping(benchmark::State& state)
{
    QStringListModel model(probeStrings());
    QStringList const texts = typedTexts();
    for (auto _ : state) {
        QSortFilterProxyModel proxy;
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        proxy.setSourceModel(&model);
        for (QString const& text : texts) {
            proxy.setFilterFixedString(text);
            benchmark::DoNotOptimize(proxy.rowCount());
        }
    }
}

// The least any finder without an index does per key: ask every name whether it holds the text.
void ContainsLoopTyping(benchmark::State& state)
{
    QStringList const& names = probeStrings();
    QStringList const texts = typedTexts();
    for (auto _ : state)
        for (QString const& text : texts) {
            int found = 0;
            for (QString const& name : names)
                found += name.contains(text, Qt::CaseInsensitive) ? 1 : 0;
            benchmark::DoNotOptimize(found);
        }
}

void FinderTyping(benchmark::State& state)
{
    QStringList const texts = typedTexts();
    double worst = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto probes = std::make_unique<ProbeCombo>(true);
        focusAndWait(probes->combo);
        state.ResumeTiming();
        for (QString const& text : texts) {
            auto const start = std::chrono::steady_clock::now();
            probes->finder->find(text);
            QApplication::processEvents(); // the list lays out and paints what it shows
            worst = std::max(
                worst,
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            benchmark::DoNotOptimize(probes->finder->matchCount());
        }
        state.PauseTiming();
        probes.reset();
        state.ResumeTiming();
    }
    state.counters["worst_key_ms"] = worst;
}

// The first key on a combo box that never had the focus: the finder reads the rows then.
void FinderFirstKeyUnread(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto probes = std::make_unique<ProbeCombo>(true);
        probes->combo.show();
        QApplication::processEvents();
        state.ResumeTiming();
        probes->finder->find(QStringLiteral("r"));
        QApplication::processEvents();
        state.PauseTiming();
        probes.reset();
        state.ResumeTiming();
    }
}

void opensList(benchmark::State& state, bool finding)
{
    ProbeCombo probes(finding);
    probes.combo.show();
    QApplication::processEvents();
    for (auto _ : state) {
        probes.combo.showPopup();
        QApplication::processEvents();
        probes.combo.hidePopup();
        QApplication::processEvents();
    }
}

// The list of a bound combo box, as it opened before finding existed: a binding over a list
// that is not the host's gets no finder unless it asks.
void BoundComboOpensList(benchmark::State& state)
{
    opensList(state, false);
}

void FindingComboOpensList(benchmark::State& state)
{
    opensList(state, true);
}

BENCHMARK(BareComboSetCurrentIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BoundComboFollowsProperty)->Unit(benchmark::kMillisecond);
BENCHMARK(ProxyFilterTyping)->Unit(benchmark::kMillisecond);
BENCHMARK(ContainsLoopTyping)->Unit(benchmark::kMillisecond);
BENCHMARK(FinderTyping)->Unit(benchmark::kMillisecond);
BENCHMARK(FinderFirstKeyUnread)->Unit(benchmark::kMillisecond);
BENCHMARK(BoundComboOpensList)->Unit(benchmark::kMillisecond);
BENCHMARK(FindingComboOpensList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return quarlin::bench::runWithRatios(
        argc, argv,
        {{"Bound combo / bare combo", "BoundComboFollowsProperty", "BareComboSetCurrentIndex"},
         {"Finding, 15 keys / proxy filter", "FinderTyping", "ProxyFilterTyping"},
         {"Finding, 15 keys / contains() loop", "FinderTyping", "ContainsLoopTyping"},
         {"List opens: with finder / without", "FindingComboOpensList", "BoundComboOpensList"}});
}
