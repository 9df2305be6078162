#include "ComboLayout.h"
#include "PropertyBag.h"
#include "vdoCombo.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

namespace {
void fill(vdoCombo &combo, int count)
{
    for (int i = 0; i < count; ++i)
        combo.AddItem(QStringLiteral("Item %1").arg(i));
}
} // namespace

class ComboTest : public QObject
{
    Q_OBJECT

private slots:
    void addItemSelectsNothing();
    void cancelledClickRestoresPreviousSelection();
    void eventsDisabledStillTracksPrevSelection();
    void listIndexFromCodeRaisesBothEvents();
    void layoutInTwips_data();
    void layoutInTwips();
    void longCaptionHidesList();
    void missingItemGetsDefaultText();
    void settingsRoundTrip();
};

void ComboTest::addItemSelectsNothing()
{
    vdoCombo combo;
    QSignalSpy before(&combo, &vdoCombo::BeforeClick);
    QSignalSpy changed(&combo, &vdoCombo::settingChanged);
    fill(combo, 2);
    QCOMPARE(combo.listIndex(), -1);
    QCOMPARE(before.count(), 0);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("ListCount"));
}

void ComboTest::cancelledClickRestoresPreviousSelection()
{
    vdoCombo combo;
    fill(combo, 3);
    combo.setListIndex(1);
    QCOMPARE(combo.prevSelection(), 1);

    int beforeCalls = 0;
    connect(&combo, &vdoCombo::BeforeClick, &combo,
            [&](bool *cancel, qint16 *newSelection, qint16 *prev) {
                ++beforeCalls;
                QCOMPARE(*newSelection, qint16(2));
                QCOMPARE(*prev, qint16(1));
                *cancel = true;
            });
    QSignalSpy after(&combo, &vdoCombo::AfterClick);
    combo.findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(2);
    QCOMPARE(combo.listIndex(), 1);
    QCOMPARE(beforeCalls, 1);
    QCOMPARE(after.count(), 0);
    QCOMPARE(combo.prevSelection(), 1);
    QVERIFY(combo.eventsEnabled());
}

void ComboTest::eventsDisabledStillTracksPrevSelection()
{
    vdoCombo combo;
    fill(combo, 3);
    combo.setEventsEnabled(false);
    QSignalSpy before(&combo, &vdoCombo::BeforeClick);
    QSignalSpy after(&combo, &vdoCombo::AfterClick);
    combo.setListIndex(2);
    QCOMPARE(before.count() + after.count(), 0);
    QCOMPARE(combo.prevSelection(), 2);
}

void ComboTest::listIndexFromCodeRaisesBothEvents()
{
    vdoCombo combo;
    fill(combo, 3);
    QList<int> seen;
    connect(&combo, &vdoCombo::AfterClick, &combo,
            [&](qint16 *newSelection, qint16 *prev) { seen << *newSelection << *prev; });
    QSignalSpy before(&combo, &vdoCombo::BeforeClick);
    combo.setListIndex(0);
    combo.setListIndex(2);
    QCOMPARE(before.count(), 2);
    QCOMPARE(seen, QList<int>({0, -1, 2, 0}));
}

void ComboTest::layoutInTwips_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("comboLeft");
    QTest::addColumn<QRect>("list");

    // 96 dpi: 15 twips a pixel, so everything stays whole.
    QTest::newRow("96 dpi, after caption") << 96.0 << 0 << QRect(48, 0, 152, 22);
    QTest::newRow("96 dpi, ComboLeft") << 96.0 << 70 << QRect(70, 0, 130, 22);
    QTest::newRow("120 dpi, after caption") << 120.0 << 0 << QRect(48, 0, 152, 22);
    QTest::newRow("144 dpi, ComboLeft") << 144.0 << 33 << QRect(33, 0, 167, 22);
}

void ComboTest::layoutInTwips()
{
    QFETCH(double, dpi);
    ComboLayoutInput in;
    in.dpi = dpi;
    in.control = QSize(200, 40);
    in.label = QSize(40, 16);
    in.listHeight = 22;
    in.hasCaption = true;
    QFETCH(int, comboLeft);
    in.comboLeft = comboLeft;
    const ComboPlacement p = ComboLayout::arrange(in);
    QCOMPARE(p.control, QSize(200, 22)); // always one list high
    QTEST(p.list, "list");
    QVERIFY(p.listVisible);
    QCOMPARE(p.labelPos, QPoint(0, 3)); // centred on the list
}

void ComboTest::longCaptionHidesList()
{
    ComboLayoutInput in;
    in.control = QSize(100, 22);
    in.label = QSize(95, 16);
    in.listHeight = 22;
    in.hasCaption = true;
    QVERIFY(!ComboLayout::arrange(in).listVisible);

    vdoCombo combo;
    combo.resize(60, 30);
    combo.setCaption(QStringLiteral("A caption far wider than the control itself"));
    QVERIFY(combo.findChild<QComboBox *>(QStringLiteral("Combo1"))->isHidden());
    QCOMPARE(combo.height(), combo.findChild<QComboBox *>()->sizeHint().height());
}

void ComboTest::missingItemGetsDefaultText()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("ListCount"), 3, 0);
    bag.WriteProperty(QStringLiteral("ListItem0"), QStringLiteral("RX-160"));
    bag.WriteProperty(QStringLiteral("ListItem1"), QStringLiteral("RX-300"));
    vdoCombo combo;
    combo.readProperties(bag);
    QCOMPARE(combo.listItems(), QStringList({"RX-160", "RX-300", "List Item 2"}));
    QCOMPARE(combo.listIndex(), -1);
}

void ComboTest::settingsRoundTrip()
{
    vdoCombo combo;
    PropertyBag empty;
    combo.writeProperties(empty);
    QVERIFY(empty.names().isEmpty());

    combo.setCaption(QStringLiteral("Chamber"));
    combo.setComboLeft(90);
    combo.setEventsEnabled(false);
    combo.AddItem(QStringLiteral("List Item 0")); // equal to its default: not stored
    combo.AddItem(QStringLiteral("RX-300"));
    PropertyBag bag;
    combo.writeProperties(bag);
    QCOMPARE(bag.names(),
             QStringList({"EventsEnabled", "Caption", "ComboLeft", "ListCount", "ListItem1"}));

    vdoCombo copy;
    copy.readProperties(bag);
    QCOMPARE(copy.caption(), QStringLiteral("Chamber"));
    QCOMPARE(copy.comboLeft(), 90);
    QVERIFY(!copy.eventsEnabled());
    QCOMPARE(copy.listItems(), QStringList({"List Item 0", "RX-300"}));
}

QTEST_MAIN(ComboTest)
#include "ComboTest.moc"
