// What holds for every prompt the reference host knows, one row per entry of its catalog: the
// form a host finds by name, its controls in the order Tab visits them, labels that lead to their
// controls, OK and Cancel, help on F1, and no crash when the window under an open prompt goes.
#include "testsupport/TestSupport.h"

#include "hostapp/PromptCatalog.h"
#include "sdk/dialogs/DialogInterface.h"
#include "sdk/host/ReferenceHost.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>

#include <map>

using quarlin::host::ReferenceHost;
using quarlin::hostapp::HostSession;
using quarlin::hostapp::promptCatalog;

namespace {

// The controls a person fills in, in the order Tab visits them: a radio group is one stop
// (arrow keys move within it), named by a wildcard.
std::map<QString, QStringList> const inputsInTabOrder{
    {QStringLiteral("AnchorAlignment"), {QStringLiteral("anchorAlignment_MiddleCenter_RadioButton")}},
    {QStringLiteral("EnterTextString"), {QStringLiteral("EnterTextString_lineEdit")}},
    {QStringLiteral("EnterThreeIntValues"),
     {QStringLiteral("value1"), QStringLiteral("value2"), QStringLiteral("value3")}},
    {QStringLiteral("EnterASCIICharacter"),
     {QStringLiteral("selectedCharacter_lineEdit"), QStringLiteral("use*Font_RadioButton")}},
};

// What a prompt asks of the host: its help topic, and whether it needs a data set to be used.
struct HostFacing
{
    std::string helpTopic;
    bool needsDataSet;
};

std::map<QString, HostFacing> const hostFacing{
    {QStringLiteral("AnchorAlignment"), {"contour.html#contour/details/anchor-alignment", false}},
    {QStringLiteral("EnterTextString"), {"frames.html#frame-name", false}},
    {QStringLiteral("EnterThreeIntValues"), {"data.html#index-range", true}},
    {QStringLiteral("EnterASCIICharacter"), {"polar.html#polar/symbols-map-layer/enter-ascii-character", true}},
};

std::map<QString, QString> const titles{
    {QStringLiteral("AnchorAlignment"), QStringLiteral("Anchor Alignment")},
    {QStringLiteral("EnterTextString"), QStringLiteral("Prompt for text string")},
    {QStringLiteral("EnterThreeIntValues"), QStringLiteral("Index Range")},
    {QStringLiteral("EnterASCIICharacter"), QStringLiteral("Enter ASCII Character")},
};

QDialog* stage(QString const& formName, HostSession& session, QWidget& parent)
{
    for (auto const& entry : promptCatalog(session))
        if (entry.formName == formName)
            return entry.stage(parent);
    return nullptr;
}

} // namespace

class TestPrompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet();
    }
    void formAsAHostAndAPersonMeetIt_data() { catalogRows(); }
    void formAsAHostAndAPersonMeetIt();
    void helpAndDataSetRule_data() { catalogRows(); }
    void helpAndDataSetRule();
    void parentDeletesItselfWhileOpen_data() { catalogRows(); }
    void parentDeletesItselfWhileOpen();

private:
    static void catalogRows()
    {
        QTest::addColumn<QString>("formName");
        HostSession session;
        for (auto const& entry : promptCatalog(session))
            QTest::newRow(qPrintable(entry.formName)) << entry.formName;
    }
};

void TestPrompts::formAsAHostAndAPersonMeetIt()
{
    QFETCH(QString, formName);
    QVERIFY2(inputsInTabOrder.count(formName), "a prompt this test has no expectations for");
    HostSession session;
    QWidget parent;
    QPointer<QDialog> const dialog = stage(formName, session, parent);
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), formName);
    QCOMPARE(dialog->windowTitle(), titles.at(formName));
    QVERIFY(quarlin::test::showActive(dialog));

    auto* const box = dialog->findChild<QDialogButtonBox*>();
    QVERIFY(box);
    QVERIFY(box->button(QDialogButtonBox::Ok) && box->button(QDialogButtonBox::Cancel));
    QVERIFY(box->button(QDialogButtonBox::Ok)->isDefault()
            || box->button(QDialogButtonBox::Ok)->autoDefault());

    // Tab from the first input visits the inputs in order, then reaches the buttons.
    QStringList const expected = inputsInTabOrder.at(formName);
    QWidget* const first = dialog->findChild<QWidget*>(expected.first());
    QVERIFY(first);
    first->setFocus();
    QStringList visited{expected.first()};
    while (visited.size() <= expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* const now = QApplication::focusWidget();
        QVERIFY(now);
        if (box->isAncestorOf(now))
            break;
        visited << now->objectName();
    }
    QCOMPARE(visited.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(QRegularExpression(QRegularExpression::wildcardToRegularExpression(expected.at(i)))
                     .match(visited.at(i))
                     .hasMatch(),
                 qPrintable(visited.join(QLatin1Char(' '))));
    QVERIFY(box->isAncestorOf(QApplication::focusWidget()));

    // A label with a shortcut leads to a control a person can use.
    for (QLabel* const label : dialog->findChildren<QLabel*>())
        if (label->text().contains(QLatin1Char('&')) && label->isVisible())
            QVERIFY2(label->buddy() && label->buddy()->focusPolicy() != Qt::NoFocus,
                     qPrintable(label->objectName()));
    dialog->reject();
}

// F1 hands the prompt's topic to the host; without a data set a prompt that needs one is
// greyed out and OK does nothing, and it comes back when a data set is loaded.
void TestPrompts::helpAndDataSetRule()
{
    QFETCH(QString, formName);
    HostFacing const expected = hostFacing.at(formName);
    HostSession session;
    QWidget parent;
    QPointer<QDialog> const dialog = stage(formName, session, parent);
    QVERIFY(quarlin::test::showActive(dialog));
    QTest::keyClick(dialog, Qt::Key_F1);
    QCOMPARE(ReferenceHost::instance().helpTopics(), std::vector<std::string>{expected.helpTopic});
    QVERIFY(dialog->isVisible()); // help does not end the prompt

    QPushButton* const ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ReferenceHost::instance().removeDataSet();
    QCOMPARE(ok->isEnabled(), !expected.needsDataSet);
    QVERIFY(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->isEnabled());
    QCOMPARE(QMetaObject::invokeMethod(dialog, "accept"), true);
    QCOMPARE(dialog->isVisible(), expected.needsDataSet);
    ReferenceHost::instance().loadSampleDataSet();
    QVERIFY(ok->isEnabled());
    dialog->reject();
}

// The parent goes while the prompt's modal loop runs: the loop ends, the prompt goes with its
// parent, and the next request builds a fresh one under the new parent.
void TestPrompts::parentDeletesItselfWhileOpen()
{
    QFETCH(QString, formName);
    HostSession session;
    auto* const parent = new QWidget;
    QPointer<QDialog> const dialog = stage(formName, session, *parent);
    auto* const prompt = dynamic_cast<quarlin::dialogs::common::DialogInterface*>(dialog.data());
    QVERIFY(prompt);
    auto const run = quarlin::test::runModal(
        dialog, [&] { prompt->launch(); }, [&] { delete parent; });
    QVERIFY(run.actionsRan);
    QVERIFY(dialog.isNull());
    QWidget newParent;
    QPointer<QDialog> const fresh = stage(formName, session, newParent);
    QVERIFY(fresh);
    QCOMPARE(fresh->parentWidget(), &newParent);
}

QUARLIN_TEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
