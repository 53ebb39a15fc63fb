// A host writes its own models, properties, validators, rules and dialogs against the library's
// interfaces, with `override` on every operation. That this file compiles is half of the test;
// the other half checks the virtual-table slot of every operation, since a host's class compiled
// against our headers calls through those slots.
#include "property/PropertyAbstract.h"
#include "property/ValidatorInterface.h"
#include "propertybindings/models/ListModelAbstract.h"
#include "propertybindings/models/ListModelInterface.h"
#include "sdk/managerbase/RelevanceInterface.h"

#include <QTest>

#include <cstring>
#include <type_traits>

using namespace quarlin;
using namespace quarlin::sdk::ui::dialogs::propertybindings;
using quarlin::sdk::ui::propertymanager::RelevanceInterface;

namespace {

// The slot a pointer to a virtual member function names (Itanium C++ ABI: one plus the byte
// offset in the virtual table), or -1 for a non-virtual one.
template <class Member>
int slotOf(Member member)
{
    static_assert(sizeof(Member) == 2 * sizeof(std::ptrdiff_t));
    std::ptrdiff_t words[2];
    std::memcpy(words, &member, sizeof member);
    return (words[0] & 1) ? static_cast<int>((words[0] - 1) / static_cast<std::ptrdiff_t>(sizeof(void*)))
                          : -1;
}

using Slots = QVector<int>;

// The slots of operations, as a host's class sees them.
template <class... Members>
Slots slotsOf(Members... members)
{
    return {slotOf(members)...};
}

} // namespace

Q_DECLARE_METATYPE(Slots)

namespace {

class HostItem : public PropertyItemInterface
{
public:
    void signalPropertyChangedConnected() const override {}
    virtual void hostOwn() {} // the first slot after the interface's own
    static Slots slots() { return slotsOf(&HostItem::signalPropertyChangedConnected, &HostItem::hostOwn); }
};

class HostProperty : public PropertyAbstract<int>
{
public:
    void signalPropertyChangedConnected() const override {}
    void signalValueChangedConnected() const override {}
    void storeValue(int const& value) override { m_value = value; }
    bool isEqual(int const& value) const override { return value == m_value; }
    void validate(int const&) const override {}
    int storedValue() const override { return m_value; }
    void emitValueChangedSignal(int const& value) const override
    {
        PropertyAbstract<int>::emitValueChangedSignal(value);
    }
    virtual void hostOwn() {}
    static Slots slots()
    {
        return slotsOf(&HostProperty::signalPropertyChangedConnected,
                       &HostProperty::signalValueChangedConnected, &HostProperty::storeValue,
                       &HostProperty::isEqual, &HostProperty::validate, &HostProperty::storedValue,
                       &HostProperty::emitValueChangedSignal, &HostProperty::hostOwn);
    }

    // A value that changed behind the property's back is announced as a set one is.
    void refreshFromHost(int value)
    {
        m_value = value;
        emitValueChangedSignal(storedValue());
    }

private:
    int m_value = 0;
};

class HostModel : public models::ListModelInterface<int>
{
public:
    int size() const override { return 2; }
    int get(int index) const override { return index * 10; }
    std::string getStr(int index) override { return std::to_string(get(index)); }
    std::string getStrForEdit(int index) override { return getStr(index); }
    void set(int, int) override {}
    bool setEditedItem(std::string const&, int) const override { return false; }
    bool isEditable() const override { return false; }
    bool isHeader(int) const override { return false; }
    int indexOf(int const& value) const override
    {
        return value % 10 == 0 && value / 10 < size() ? value / 10 : -1;
    }
    void signalDataChangedConnected() const override {}
    void signalItemChangedConnected() const override {}
    void signalItemsInsertedConnected() const override {}
    void signalItemsAboutToBeRemovedConnected() const override {}
    void signalItemsRemovedConnected() const override {}
    virtual void hostOwn() {}
    static Slots slots()
    {
        return slotsOf(&HostModel::size, &HostModel::get, &HostModel::getStr, &HostModel::getStrForEdit,
                       &HostModel::set, &HostModel::setEditedItem, &HostModel::isEditable,
                       &HostModel::isHeader, &HostModel::indexOf, &HostModel::signalDataChangedConnected,
                       &HostModel::signalItemChangedConnected, &HostModel::signalItemsInsertedConnected,
                       &HostModel::signalItemsAboutToBeRemovedConnected,
                       &HostModel::signalItemsRemovedConnected, &HostModel::hostOwn);
    }

    // A model whose rows changed says so through its own signals.
    void rowsChanged()
    {
        DataChanged();
        ItemsInserted(0, 1);
    }
};

class HostAbstractModel : public models::ListModelAbstract<double>
{
public:
    int size() const override { return 1; }
    double get(int) const override { return 0.5; }
    std::string getStr(int) override { return "half"; }
    std::string getStrForEdit(int index) override { return ListModelAbstract<double>::getStrForEdit(index); }
};

class HostRule : public RelevanceInterface
{
public:
    bool isRelevant() const override { return true; }
    void signalRelevanceChangedConnected() const override {}
    virtual void hostOwn() {}
    static Slots slots()
    {
        return slotsOf(&HostRule::isRelevant, &HostRule::signalRelevanceChangedConnected, &HostRule::hostOwn);
    }
};

class HostValidator : public ValidatorInterface<int>
{
public:
    ValidationResult validate(int const&) const override { return {}; }
    virtual void hostOwn() {}
    static Slots slots() { return slotsOf(&HostValidator::validate, &HostValidator::hostOwn); }
};

// Each host class implements everything its interface leaves open.
template <class... Class>
constexpr bool concrete = (!std::is_abstract_v<Class> && ...);
static_assert(concrete<HostItem, HostProperty, HostModel, HostAbstractModel, HostRule, HostValidator>);

} // namespace

class TestHostSubclasses : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // Each destructor takes two slots (complete and deleting); "hostOwn" is the host's first own
    // virtual, so it also proves the interface has no virtual beyond those listed.
    void virtualSlotsAreInDescribedOrder_data()
    {
        QTest::addColumn<Slots>("actual");
        QTest::addColumn<Slots>("expected");
        QTest::newRow("PropertyItemInterface") << HostItem::slots() << Slots{0, 3};
        QTest::newRow("PropertyAbstract") << HostProperty::slots() << Slots{0, 3, 4, 5, 6, 7, 8, 9};
        QTest::newRow("ListModelInterface")
            << HostModel::slots() << Slots{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16};
        QTest::newRow("RelevanceInterface") << HostRule::slots() << Slots{0, 1, 4};
        QTest::newRow("ValidatorInterface") << HostValidator::slots() << Slots{0, 3};
    }

    void virtualSlotsAreInDescribedOrder()
    {
        QFETCH(Slots, actual);
        QFETCH(Slots, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(TestHostSubclasses)
#include "tst_hostsubclasses.moc"
