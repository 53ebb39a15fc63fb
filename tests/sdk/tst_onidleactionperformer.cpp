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

    void manyNotificationsRunOnceAtIdle()
    {
        int runs = 0;
        OnIdleActionPerformerSingleShot performer([&] { ++runs; });
        for (int i = 0; i < 10; ++i)
            performer.enableNotification();
        QCOMPARE(runs, 0); // nothing before the idle point
        QVERIFY(performer.isPending());
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
        QVERIFY(!performer.isPending());
        performer.enableNotification(); // and again after each idle point
        QCoreApplication::processEvents();
        QCOMPARE(runs, 2);
    }

    void destroyedPerformerNeverRuns()
    {
        int runs = 0;
        {
            OnIdleActionPerformerSingleShot performer([&] { ++runs; });
            performer.enableNotification();
        }
        QCoreApplication::processEvents();
        QTest::qWait(10);
        QCOMPARE(runs, 0);
    }

    void cancelDropsPendingRun()
    {
        int runs = 0;
        OnIdleActionPerformerSingleShot performer([&] { ++runs; });
        performer.enableNotification();
        performer.cancel();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        performer.enableNotification(); // usable after a cancel
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
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
