#include "testsupport/TestSupport.h"

#include "sdk/signals/SignalConnectionCollection.h"
#include "sdk/uicommon/OnIdleActionPerformerSingleShot.h"

#include <boost/signals2/signal.hpp>

#include <memory>

using quarlin::sdk::ui::common::OnIdleActionPerformerSingleShot;

class TestIdleAndConnections : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // However often notified, the action runs once at the next idle point, and again after each;
    // a cancel drops the pending run (the performer stays usable), and a destroyed performer
    // never runs.
    void runsOnceAtIdleUnlessDropped_data()
    {
        QTest::addColumn<int>("notifications");
        QTest::addColumn<QString>("drop"); // "", "cancel" or "destroy"
        QTest::addColumn<int>("runs");
        QTest::newRow("once") << 1 << QString() << 1;
        QTest::newRow("ten times") << 10 << QString() << 1;
        QTest::newRow("cancelled") << 3 << QStringLiteral("cancel") << 0;
        QTest::newRow("destroyed") << 3 << QStringLiteral("destroy") << 0;
    }

    void runsOnceAtIdleUnlessDropped()
    {
        QFETCH(int, notifications);
        QFETCH(QString, drop);
        QFETCH(int, runs);
        int ran = 0;
        auto performer = std::make_unique<OnIdleActionPerformerSingleShot>([&] { ++ran; });
        for (int i = 0; i < notifications; ++i)
            performer->enableNotification();
        QVERIFY(performer->isPending());
        QCOMPARE(ran, 0); // nothing before the idle point
        if (drop == QLatin1String("cancel"))
            performer->cancel();
        if (drop == QLatin1String("destroy"))
            performer.reset();
        QCoreApplication::processEvents();
        QTest::qWait(10);
        QCOMPARE(ran, runs);
        if (!performer)
            return;
        QVERIFY(!performer->isPending());
        performer->enableNotification(); // and again after each idle point
        QCoreApplication::processEvents();
        QCOMPARE(ran, runs + 1);
    }

    void actionMayDestroyItsPerformer()
    {
        int runs = 0;
        auto performer = std::make_unique<std::unique_ptr<OnIdleActionPerformerSingleShot>>();
        *performer = std::make_unique<OnIdleActionPerformerSingleShot>([&] {
            ++runs;
            performer->reset();
        });
        (*performer)->enableNotification();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
        QVERIFY(!*performer);
    }

    void blockerSilencesOnlyWhileItLives()
    {
        boost::signals2::signal<void()> signal;
        int ours = 0, theirs = 0;
        quarlin::SignalConnectionCollection connections;
        connections.add(signal.connect([&] { ++ours; }));
        boost::signals2::scoped_connection const other = signal.connect([&] { ++theirs; });
        {
            quarlin::SignalConnectionCollection::ConnectionBlocker const blocker(connections);
            signal();
        }
        signal();
        QCOMPARE(ours, 1);
        QCOMPARE(theirs, 2);
    }
};

QUARLIN_TEST_MAIN(TestIdleAndConnections)
#include "tst_onidleactionperformer.moc"
