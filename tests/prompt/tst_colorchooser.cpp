// The colour chooser, on its own and behind a colour button.
#include "testsupport/TestSupport.h"
#include "testsupport/TestValidators.h"

#include "prompt/ColorChooserDialog.h"
#include "prompt/ColorChooserWidget.h"
#include "property/Property.h"
#include "propertybindings/ColorButtonPropertyBinding.h"
#include "referencehost/ReferenceHost.h"

#include <boost/make_shared.hpp>

using quarlin::dialogs::prompt::ColorChooserDialog;
using quarlin::dialogs::prompt::ColorChooserWidget;
using quarlin::host::ReferenceHost;
using quarlin::sdk::ui::dialogs::propertybindings::ColorButtonPropertyBinding;

namespace {

QAbstractButton* colorButton(QWidget& in, QString const& name)
{
    return in.findChild<QAbstractButton*>(name);
}

// The colour painted in the middle of a widget.
QColor shownColor(QWidget* widget)
{
    return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
}

QColor hostColor(int index)
{
    auto const rgb = ReferenceHost::instance().basicColor(index);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

class TestColorChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet();
    }

    void colorNames_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("abbreviated");
        QTest::addColumn<QString>("full");
        QTest::newRow("first custom") << 8 << QStringLiteral("Cust 1") << "CUSTOM1";
        QTest::newRow("last custom") << 63 << QStringLiteral("Cust 56") << "CUSTOM56";
        QTest::newRow("multi 1") << -1 << QStringLiteral("Multi") << "Multi";
        QTest::newRow("no colour between") << -2 << QStringLiteral("") << "";
        QTest::newRow("rgb") << -6 << QStringLiteral("RGBCOLOR") << "RGBCOLOR";
        QTest::newRow("past the map") << 64 << QStringLiteral("") << "";
    }

    void colorNames()
    {
        QFETCH(int, color);
        QFETCH(QString, abbreviated);
        QFETCH(QString, full);
        QCOMPARE(QString::fromStdString(ColorChooserDialog::colorToString(color, true)), abbreviated);
        QCOMPARE(QString::fromStdString(ColorChooserDialog::colorToString(color, false)), full);
    }

    // From the colour the chooser opens on (Blue, in the first row's sixth place): a click, the
    // keyboard, or Close.
    void aPersonChooses_data()
    {
        QTest::addColumn<QString>("click"); // a button's name, or empty
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("selected");
        QTest::newRow("second swatch is white") << "colorButton_1" << QList<int>{} << 1 << 7;
        QTest::newRow("multi colour 2") << "C2" << QList<int>{} << 1 << -3;
        QTest::newRow("Enter takes the current one") << "" << QList<int>{Qt::Key_Return} << 1 << 3;
        QTest::newRow("down, then right wraps within the row")
            << "" << QList<int>{Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space} << 1 << 8;
        QTest::newRow("home, then left wraps")
            << "" << QList<int>{Qt::Key_Home, Qt::Key_Left, Qt::Key_Enter} << 1 << 6;
        QTest::newRow("Close keeps the earlier choice") << "" << QList<int>{Qt::Key_Escape} << 0 << 20;
    }

    void aPersonChooses()
    {
        QFETCH(QString, click);
        QFETCH(QList<int>, keys);
        QFETCH(int, result);
        QFETCH(int, selected);
        QWidget parent;
        ColorChooserDialog& dialog = ColorChooserDialog::getInstance(parent, true);
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] { colorButton(dialog, QStringLiteral("colorButton_20"))->click(); });
        dialog.setCurrentColor(3);
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QVERIFY(quarlin::test::showActive(&dialog));
                if (!click.isEmpty())
                    QTest::mouseClick(colorButton(dialog, click), Qt::LeftButton);
                for (int key : keys)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            });
        QVERIFY(!run.leftOpen);
        QCOMPARE(dialog.result(), result);
        QCOMPARE(dialog.selectedColor(), selected);
    }

    void rgbAsksForUnassignedChannels_data()
    {
        QTest::addColumn<bool>("assigned");
        QTest::addColumn<bool>("acceptChannels");
        QTest::newRow("assigned: chosen at once") << true << false;
        QTest::newRow("asked, OK") << false << true;
        QTest::newRow("asked, Cancel: the chooser stays open") << false << false;
    }

    void rgbAsksForUnassignedChannels()
    {
        QFETCH(bool, assigned);
        QFETCH(bool, acceptChannels);
        if (assigned)
            for (char const* channel : {"RedChannelVar", "GreenChannelVar", "BlueChannelVar"})
                ReferenceHost::instance().styleStore().change(quarlin::host::StyleKey{{"GlobalRGB", channel}},
                                                              __int64(4));
        QWidget parent;
        ColorChooserDialog& dialog = ColorChooserDialog::getInstance(parent, true);
        QDialog* asked = nullptr;
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                quarlin::test::runModal(
                    nullptr, [&] { colorButton(dialog, QStringLiteral("RGB"))->click(); },
                    [&] {
                        asked = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                        QVERIFY(asked);
                        auto const which = acceptChannels ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel;
                        QTest::mouseClick(quarlin::test::dialogButton(*asked, which), Qt::LeftButton);
                    });
            });
        QCOMPARE(asked != nullptr, !assigned);
        bool const chosen = assigned || acceptChannels;
        QCOMPARE(run.leftOpen, !chosen);
        QCOMPARE(dialog.selectedColor() == -6, chosen);
        QCOMPARE(ReferenceHost::instance().lockDepth(), 0);
    }

    // The chooser serves every caller with the panel the first one built: a caller that takes no
    // multi colour gets that row greyed out, and a request while it is open leaves it open where
    // it is.
    void laterCallersGetTheirOwnOffer()
    {
        QWidget parent, other;
        ColorChooserDialog& dialog = ColorChooserDialog::getInstance(parent, true);
        ColorChooserDialog::getInstance(other, false);
        QVERIFY(!colorButton(dialog, QStringLiteral("C1"))->isEnabled());
        QVERIFY(!colorButton(dialog, QStringLiteral("RGB"))->isEnabled());
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QCOMPARE(&ColorChooserDialog::getInstance(parent, true), &dialog);
                QVERIFY(dialog.isVisible());
                QCOMPARE(dialog.parentWidget(), &other);
                QTest::mouseClick(colorButton(dialog, QStringLiteral("C1")), Qt::LeftButton);
            });
        QVERIFY(!run.leftOpen);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedColor(), -1);
    }

    void buttonShowsAndEditsItsProperty_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<int>("expected");
        QTest::newRow("custom 2, pick red") << 9 << QStringLiteral("Cust 2") << "colorButton_2" << 1;
        QTest::newRow("RGB, pick multi 1") << -6 << QStringLiteral("RGBCOLOR") << "C1" << -1;
        QTest::newRow("multi, pick the same: no change") << -1 << QStringLiteral("Multi") << "C1" << -1;
        QTest::newRow("refused: kept and reported") << 0 << QStringLiteral("Black") << "colorButton_63" << 0;
    }

    void buttonShowsAndEditsItsProperty()
    {
        QFETCH(int, initial);
        QFETCH(QString, text);
        QFETCH(QString, pick);
        QFETCH(int, expected);
        auto const property = boost::make_shared<quarlin::Property<int>>(
            initial, boost::make_shared<quarlin::test::AtMost>(62));
        QWidget window;
        auto* const button = new QPushButton(&window);
        ColorButtonPropertyBinding const binding(button, property, true);
        int changes = 0;
        boost::signals2::scoped_connection const c =
            property->connectToValueChangedSignal([&](int const&) { ++changes; });
        QCOMPARE(button->text(), text);
        if (initial >= 0)
            QCOMPARE(button->icon().pixmap(12, 12).toImage().pixelColor(6, 6), hostColor(initial));
        QVERIFY(quarlin::test::showActive(&window));
        quarlin::test::runModal(
            nullptr, [&] { QTest::mouseClick(button, Qt::LeftButton); },
            [&] {
                auto* const chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QCOMPARE(chooser->parentWidget(), button);
                QAbstractButton* const red = colorButton(*chooser, QStringLiteral("colorButton_2"));
                QCOMPARE(shownColor(red), hostColor(1)); // the swatches follow the host's colour map
                ReferenceHost::instance().setBasicColor(1, {10, 20, 30});
                QCOMPARE(shownColor(red), QColor(10, 20, 30));
                QTest::mouseClick(colorButton(*chooser, pick), Qt::LeftButton);
            });
        QCOMPARE(property->value(), expected);
        QCOMPARE(changes, expected == initial ? 0 : 1);
        QCOMPARE(quarlin::test::hostMessageTexts().size(),
                 std::size_t(pick == QLatin1String("colorButton_63") ? 1 : 0));
        quarlin::test::reachIdle();
        QCOMPARE(button->text(), QString::fromStdString(ColorChooserDialog::colorToString(expected, true)));
    }

    // The chooser lives under the button; when the button's dialog goes (while the chooser is
    // open, or as the host answers the chosen colour or its refusal), the chooser and the binding
    // go with it and nothing touches them afterwards.
    void buttonsDialogGoes_data()
    {
        QTest::addColumn<QString>("pick"); // empty: the dialog goes while the chooser is open
        QTest::addColumn<int>("expected");
        QTest::newRow("while the chooser is open") << QString() << 2;
        QTest::newRow("as the colour is set") << QStringLiteral("colorButton_5") << 4;
        QTest::newRow("in answer to the refusal") << QStringLiteral("colorButton_63") << 2;
    }

    void buttonsDialogGoes()
    {
        QFETCH(QString, pick);
        QFETCH(int, expected);
        auto const property =
            boost::make_shared<quarlin::Property<int>>(2, boost::make_shared<quarlin::test::AtMost>(62));
        QPointer<QWidget> const window = new QWidget;
        auto* const button = new QPushButton(window);
        auto* const binding = new ColorButtonPropertyBinding(button, property, false);
        QObject::connect(window, &QObject::destroyed, [binding] { delete binding; });
        auto const close = [window] { delete window.data(); };
        boost::signals2::scoped_connection const onSet =
            property->connectToValueChangedSignal([&](int const&) { close(); });
        boost::signals2::scoped_connection const onMessage =
            ReferenceHost::instance().messagePosted.connect([&](auto const&) { close(); });
        QVERIFY(quarlin::test::showActive(window));
        auto const run = quarlin::test::runModal(
            nullptr, [&] { button->click(); },
            [&] {
                if (pick.isEmpty())
                    close();
                else
                    colorButton(*qobject_cast<QDialog*>(QApplication::activeModalWidget()), pick)->click();
            });
        QVERIFY(run.actionsRan);
        QVERIFY(window.isNull());
        QCOMPARE(property->value(), expected);
    }
};

QUARLIN_TEST_MAIN(TestColorChooser)
#include "tst_colorchooser.moc"
