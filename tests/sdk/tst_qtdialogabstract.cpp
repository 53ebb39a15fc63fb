#include "testsupport/TestSupport.h"

#include "referencehost/ReferenceHost.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/dialogs/QtDialogAbstract.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/host/ApplicationSettings.h"
#include "sdk/managerbase/DataSetExistsRelevance.h"
#include "sdk/widgets/GreyOutParties.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

using quarlin::dialogs::common::LaunchHelpAction;
using quarlin::dialogs::common::QtDialogAbstract;
using quarlin::host::ReferenceHost;
using namespace quarlin::sdk::ui::propertymanager;

namespace {

// A small dialog shaped like the library's: a form of plain widgets and a button box, with
// accept() and reject() overridden so the test can count how they were reached.
class CountingDialog : public QtDialogAbstract
{
public:
    // How the form connects its button box: not at all, as uic does for Qt 5, as uic does for Qt 6.
    enum Wiring { FrameOnly, StringBased, Typed };

    CountingDialog(QWidget& parent, RelevancePtr relevance, int formWiresButtonBox)
        : QtDialogAbstract(parent, std::move(relevance))
    {
        auto* const layout = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        formDisabled = new QCheckBox(QStringLiteral("disabled by the form"), this);
        formDisabled->setEnabled(false);
        box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                   this);
        layout->addWidget(edit);
        layout->addWidget(formDisabled);
        layout->addWidget(box);
        if (formWiresButtonBox == StringBased) {
            QObject::connect(box, SIGNAL(accepted()), this, SLOT(accept()));
            QObject::connect(box, SIGNAL(rejected()), this, SLOT(reject()));
        } else if (formWiresButtonBox == Typed) {
            QObject::connect(box, &QDialogButtonBox::accepted, this, qOverload<>(&QDialog::accept));
            QObject::connect(box, &QDialogButtonBox::rejected, this, qOverload<>(&QDialog::reject));
        }
    }
    void accept() override
    {
        ++acceptCalls;
        QtDialogAbstract::accept();
    }
    void reject() override
    {
        ++rejectCalls;
        QtDialogAbstract::reject();
    }
    QPushButton* button(QDialogButtonBox::StandardButton which) const { return box->button(which); }

    QLineEdit* edit = nullptr;         // owned by this dialog (Qt parent)
    QCheckBox* formDisabled = nullptr; // owned by this dialog (Qt parent)
    QDialogButtonBox* box = nullptr;   // owned by this dialog (Qt parent)
    int acceptCalls = 0;
    int rejectCalls = 0;
};

enum class Finish { OkButton, EnterKey, CancelButton, EscapeKey, CloseEvent };

} // namespace

Q_DECLARE_METATYPE(Finish)

class TestQtDialogAbstract : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    void finishesThroughOverridesExactlyOnce_data()
    {
        QTest::addColumn<int>("formWires");
        QTest::addColumn<Finish>("finish");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("accepts");
        QTest::addColumn<int>("rejects");
        for (int wires : {CountingDialog::FrameOnly, CountingDialog::StringBased, CountingDialog::Typed}) {
            char const* const how = wires == CountingDialog::FrameOnly     ? "frame wires box"
                                    : wires == CountingDialog::StringBased ? "form wires box by name"
                                                                           : "form wires box typed";
            QTest::addRow("%s, OK", how) << wires << Finish::OkButton << int(QDialog::Accepted) << 1 << 0;
            QTest::addRow("%s, Enter", how) << wires << Finish::EnterKey << int(QDialog::Accepted) << 1 << 0;
            QTest::addRow("%s, Cancel", how)
                << wires << Finish::CancelButton << int(QDialog::Rejected) << 0 << 1;
            QTest::addRow("%s, Escape", how)
                << wires << Finish::EscapeKey << int(QDialog::Rejected) << 0 << 1;
            QTest::addRow("%s, close", how)
                << wires << Finish::CloseEvent << int(QDialog::Rejected) << 0 << 1;
        }
    }

    void finishesThroughOverridesExactlyOnce()
    {
        QFETCH(int, formWires);
        QFETCH(Finish, finish);
        QFETCH(int, result);
        QFETCH(int, accepts);
        QFETCH(int, rejects);

        QWidget parent;
        CountingDialog dialog(parent, {}, formWires);
        for (int round = 1; round <= 2; ++round) { // a second launch wires nothing twice
            dialog.setResult(-1);
            auto const run = quarlin::test::runModal(
                &dialog, [&] { dialog.launch(); },
                [&] {
                    switch (finish) {
                    case Finish::OkButton:
                        QTest::mouseClick(dialog.button(QDialogButtonBox::Ok), Qt::LeftButton);
                        break;
                    case Finish::EnterKey: QTest::keyClick(dialog.edit, Qt::Key_Return); break;
                    case Finish::CancelButton:
                        QTest::mouseClick(dialog.button(QDialogButtonBox::Cancel), Qt::LeftButton);
                        break;
                    case Finish::EscapeKey: QTest::keyClick(dialog.edit, Qt::Key_Escape); break;
                    case Finish::CloseEvent: dialog.close(); break;
                    }
                });
            QVERIFY(run.actionsRan);
            QVERIFY(!run.leftOpen);
            QCOMPARE(dialog.result(), result);
            QCOMPARE(dialog.acceptCalls, round * accepts);
            QCOMPARE(dialog.rejectCalls, round * rejects);
        }
    }

    void setHelpActionReplacesPrevious()
    {
        QWidget parent;
        CountingDialog dialog(parent, {}, false);
        auto* const first = new LaunchHelpAction("first.html", dialog);
        auto* const second = new LaunchHelpAction("second.html", dialog);
        dialog.setHelpAction(first);
        dialog.setHelpAction(second);
        QCOMPARE(dialog.helpAction(), second);
        QVERIFY(!dialog.actions().contains(first));
        QVERIFY(quarlin::test::showActive(&dialog));
        QTest::keyClick(dialog.edit, Qt::Key_F1);
        QTest::mouseClick(dialog.button(QDialogButtonBox::Help), Qt::LeftButton);
        QCOMPARE(ReferenceHost::instance().helpTopics(),
                 (std::vector<std::string>{"second.html", "second.html"}));
        dialog.setHelpAction(nullptr);
        QVERIFY(dialog.actions().isEmpty());
    }

    // A rule that cannot be asked is reported where Qt enters (the show), counts as not holding,
    // and nothing escapes into Qt's event loop.
    void ruleThatThrowsIsReportedAndHoldsNot()
    {
        struct Failing : RelevanceInterface
        {
            bool isRelevant() const override
            {
                throw quarlin::InvalidArgumentException("The rule cannot be asked.");
            }
        };
        int const escaped = quarlin::test::TestApplication::escapedExceptions();
        QWidget parent;
        CountingDialog dialog(parent, boost::make_shared<Failing>(), false);
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QVERIFY(!dialog.edit->isEnabled());
                QTest::keyClick(&dialog, Qt::Key_Return); // OK refused: the dialog stays
            });
        QVERIFY(run.leftOpen);
        QCOMPARE(quarlin::test::TestApplication::escapedExceptions(), escaped);
        auto const messages = quarlin::test::hostMessageTexts();
        QVERIFY(!messages.empty());
        QCOMPARE(messages.front(), std::string("The rule cannot be asked."));
    }

    void widgetIsUsableOnlyWhileNoPartyGreysIt_data()
    {
        QTest::addColumn<bool>("formDisabled");
        QTest::addColumn<bool>("insideDisabledContainer");
        QTest::newRow("plain") << false << false;
        QTest::newRow("disabled by its form: stays") << true << false;
        QTest::newRow("inside a container greyed meanwhile") << false << true;
    }

    // Parties (the frame, relevance appliers, bindings) grey a widget out each for its own reason:
    // one's "usable again" never undoes another's "not usable", and neither a container greyed
    // meanwhile nor the parties leave the widget disabled when all let go.
    void widgetIsUsableOnlyWhileNoPartyGreysIt()
    {
        QFETCH(bool, formDisabled);
        QFETCH(bool, insideDisabledContainer);
        QWidget container;
        auto* const widget = new QCheckBox(&container);
        widget->setEnabled(!formDisabled);
        container.setEnabled(!insideDisabledContainer);
        int frame = 0, applier = 0;
        quarlin::ui::GreyOutParties::setGreyedOutBy(*widget, &frame, true);
        quarlin::ui::GreyOutParties::setGreyedOutBy(*widget, &applier, true);
        quarlin::ui::GreyOutParties::setGreyedOutBy(*widget, &frame, false);
        container.setEnabled(true);
        QVERIFY(!widget->isEnabled());
        quarlin::ui::GreyOutParties::setGreyedOutBy(*widget, &applier, false);
        QCOMPARE(widget->isEnabled(), !formDisabled);
    }

    void geometryMemory_data()
    {
        QTest::addColumn<QString>("remembered"); // width, height, offset from the parent
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QRect>("expected");       // relative to the parent; empty: as without memory
        QTest::addColumn<bool>("framelessParent"); // the dialog's frame is then known only once mapped
        QTest::newRow("restored") << "500 300 30 40" << true << QRect(30, 40, 500, 300) << false;
        QTest::newRow("turned off") << "500 300 30 40" << false << QRect() << false;
        QTest::newRow("smaller than the minimum") << "20 10 30 40" << true << QRect() << false;
        QTest::newRow("not four numbers") << "500 300 thirty" << true << QRect() << false;
        QTest::newRow("not a number") << "nan 300 30 40" << true << QRect() << false;
        // Moved or shrunk until the whole window, frame included, is on the parent's screen.
        QRect const fitted(0, 0, -1, -1);
        QTest::newRow("off every screen") << "500 300 90000 -90000" << true << fitted << false;
        QTest::newRow("at the integer limits") << "500 300 2147483647 -2147483648" << true << fitted << false;
        QTest::newRow("larger than the screen") << "100000 100000 0 0" << true << fitted << false;
        QTest::newRow("from a larger monitor") << "1800 1200 2400 1400" << true << fitted << false;
        QTest::newRow("larger, over a frameless parent") << "100000 100000 0 0" << true << fitted << true;
    }

    // A geometry a person gave a dialog comes back with it, whole on the parent's screen with
    // the window's frame, and the same at every reopening; what cannot be used is ignored, and a
    // dialog left as it opened remembers nothing. On a window manager the frame is its own.
    void geometryMemory()
    {
        QFETCH(QString, remembered);
        QFETCH(bool, enabled);
        QFETCH(QRect, expected);
        QFETCH(bool, framelessParent);
        auto& settings = quarlin::sdk::ApplicationSettings::getInstance();
        std::string const key = "DialogGeometry_quarlin::dialogs::common::QtDialogAbstract";
        QWidget parent;
        parent.setWindowFlag(Qt::FramelessWindowHint, framelessParent);
        parent.setGeometry(100, 100, 300, 200);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        auto const relative = [&](QWidget const& w) {
            return w.geometry().translated(-parent.geometry().topLeft());
        };
        QRect asOpened;
        {
            CountingDialog dialog(parent, {}, false);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            asOpened = relative(dialog);
            dialog.reject();
        }
        QVERIFY(settings.getStringValue(key).empty()); // left as it opened
        settings.depositValue(key, remembered.toStdString());
        QtDialogAbstract::setGeometryMemoryEnabled(enabled);
        QRect const available = parent.screen()->availableGeometry();
        auto const text = [](QRect const& r) {
            return QStringLiteral("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
        };
        QRect first;
        QSize frame;
        for (int opening = 0; opening < 5; ++opening) {
            CountingDialog dialog(parent, {}, false);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            // The window's own account: a widget's frame geometry is refreshed only when asked to.
            QRect const whole = dialog.windowHandle()->frameGeometry();
            QVERIFY2(available.contains(whole),
                     qPrintable(text(whole) + QStringLiteral(" off ") + text(available)));
            if (opening == 0) {
                first = relative(dialog);
                frame = whole.size() - dialog.size();
            }
            QCOMPARE(relative(dialog), first); // no drift
            dialog.reject();
            QCOMPARE(settings.getStringValue(key), remembered.toStdString());
        }
        if (expected == QRect(0, 0, -1, -1)) {
            QSize const wanted = QSize(remembered.section(QLatin1Char(' '), 0, 0).toInt(),
                                       remembered.section(QLatin1Char(' '), 1, 1).toInt());
            QCOMPARE(first.size(), wanted.boundedTo(available.size() - frame));
        } else {
            QCOMPARE(first, expected.isEmpty() ? asOpened : expected);
        }
        CountingDialog dialog(parent, {}, false);
        dialog.show();
        dialog.resize(dialog.size() + QSize(1, 1)); // a person resizes it
        dialog.reject();
        QCOMPARE(settings.getStringValue(key) != remembered.toStdString(), enabled);
        QtDialogAbstract::forgetRememberedGeometries();
        QVERIFY(settings.getStringValue(key).empty());
    }

    // A dropped dialog finishes and goes; a deferred deletion of its parent reaches it only once
    // its modal loop has returned (a parent deleted outright is covered for every prompt).
    void dropAndDeferredParentDeletionEndIt()
    {
        QWidget parent;
        auto* const dropped = new CountingDialog(parent, {}, false);
        QPointer<QDialog> const droppedGuard(dropped);
        dropped->show();
        dropped->drop();
        QCOMPARE(dropped->rejectCalls, 1);
        auto* const goingParent = new QWidget;
        auto* const dialog = new CountingDialog(*goingParent, {}, false);
        QPointer<QDialog> const guard(dialog);
        quarlin::test::runModal(
            dialog, [&] { dialog->launch(); }, [&] { goingParent->deleteLater(); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(droppedGuard.isNull());
        QVERIFY(guard.isNull());
    }
};

QUARLIN_TEST_MAIN(TestQtDialogAbstract)
#include "tst_qtdialogabstract.moc"
