#include "testsupport/TestSupport.h"

#include "prompt/EnterTextStringDialog.h"
#include "sdk/host/ReferenceHost.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

using quarlin::dialogs::prompt::EnterTextStringDialog;
using quarlin::host::ReferenceHost;

namespace {

QLineEdit* lineEdit(QDialog& d)
{
    return d.findChild<QLineEdit*>(QStringLiteral("EnterTextString_lineEdit"));
}

} // namespace

class TestEnterTextStringDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    void okFollowsEmptinessFromFirstEdit_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<bool>("okBeforeEdit");
        QTest::addColumn<bool>("okAfterEdit");
        QTest::newRow("empty start, untouched") << QString() << QString() << 0 << true << true;
        QTest::newRow("empty start, type and delete")
            << QString() << QStringLiteral("ab") << 2 << true << false;
        QTest::newRow("empty start, type") << QString() << QStringLiteral("x") << 0 << true << true;
        QTest::newRow("blanks only") << QString() << QStringLiteral("   ") << 0 << true << true;
        QTest::newRow("text start, delete all") << QStringLiteral("abc") << QString() << 3 << true << false;
        QTest::newRow("text start, delete some") << QStringLiteral("abc") << QString() << 1 << true << true;
    }

    void okFollowsEmptinessFromFirstEdit()
    {
        QFETCH(QString, initial);
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(bool, okBeforeEdit);
        QFETCH(bool, okAfterEdit);
        QWidget parent;
        EnterTextStringDialog dialog(parent, QString(), initial, QString(), false);
        QCOMPARE(quarlin::test::dialogButton(dialog, QDialogButtonBox::Ok)->isEnabled(), okBeforeEdit);
        dialog.show();
        QLineEdit* const edit = lineEdit(dialog);
        edit->setFocus();
        edit->end(false);
        quarlin::test::typeText(edit, typed);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(quarlin::test::dialogButton(dialog, QDialogButtonBox::Ok)->isEnabled(), okAfterEdit);
        dialog.reject();
    }

    void helpOnlyForNonEmptyTopic_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::newRow("no topic") << QString();
        QTest::newRow("topic") << QStringLiteral("text.html#rename");
    }

    void helpOnlyForNonEmptyTopic()
    {
        QFETCH(QString, topic);
        QWidget parent;
        EnterTextStringDialog dialog(parent, QString(), QString(), topic, false);
        QCOMPARE(dialog.helpAction() != nullptr, !topic.isEmpty());
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QApplication::setActiveWindow(&dialog);
                QTest::keyClick(lineEdit(dialog), Qt::Key_F1);
            });
        std::vector<std::string> const expected =
            topic.isEmpty() ? std::vector<std::string>{} : std::vector<std::string>{topic.toStdString()};
        QCOMPARE(ReferenceHost::instance().helpTopics(), expected);
    }
};

QUARLIN_TEST_MAIN(TestEnterTextStringDialog)
#include "tst_entertextstringdialog.moc"
