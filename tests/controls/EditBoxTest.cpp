#include "EditBoxLayout.h"
#include "PropertyBag.h"
#include "vdoEditBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class EditBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void autoSizeEndsAtRightCaption();
    void typingWithEventsDisabledRaisesNothing();
    void keyPressCanCancelOrSubstitute();
    void clearRaisesChange();
    void loadingSettingsLeavesChangedFalse();
    void settingsRoundTripStoresOnlyNonDefaults();
    void disabledShowsButtonFace();
};

void EditBoxTest::layout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("leftLabel"); // 0: no caption
    QTest::addColumn<int>("rightLabel");
    QTest::addColumn<int>("textLeft");
    QTest::addColumn<bool>("textVisible");
    QTest::addColumn<QRect>("text");
    QTest::addColumn<int>("rightX");

    QTest::newRow("no captions") << 150 << 0 << 0 << 0 << true << QRect(0, 0, 150, 22) << 0;
    QTest::newRow("left caption") << 150 << 40 << 0 << 0 << true << QRect(50, 0, 100, 22) << 0;
    QTest::newRow("left caption, TextLeft")
        << 150 << 40 << 0 << 70 << true << QRect(70, 0, 80, 22) << 0;
    QTest::newRow("narrower than caption plus gap") << 45 << 40 << 0 << 0 << false << QRect() << 0;
    QTest::newRow("both captions") << 200 << 40 << 20 << 0 << true << QRect(50, 0, 125, 22) << 180;
    QTest::newRow("both captions, no room") << 60 << 40 << 20 << 0 << false << QRect() << 40;
}

void EditBoxTest::layout()
{
    QFETCH(int, width);
    QFETCH(int, leftLabel);
    QFETCH(int, rightLabel);
    EditBoxLayoutInput in;
    in.client = QRect(0, 0, width, 22);
    in.leftLabel = QSize(leftLabel, 16);
    in.rightLabel = QSize(rightLabel, 16);
    in.hasLeftCaption = leftLabel > 0;
    in.hasRightCaption = rightLabel > 0;
    QFETCH(int, textLeft);
    in.textLeft = textLeft;
    const EditBoxPlacement p = EditBoxLayout::arrange(in);
    QTEST(p.textVisible, "textVisible");
    QFETCH(QRect, text);
    if (p.textVisible)
        QCOMPARE(*p.text, text);
    QCOMPARE(p.leftVisible, leftLabel > 0);
    QCOMPARE(p.rightVisible, rightLabel > 0);
    if (p.rightVisible)
        QTEST(p.rightPos.x(), "rightX");
    QVERIFY(!p.controlSize);
}

void EditBoxTest::autoSizeEndsAtRightCaption()
{
    vdoEditBox box;
    box.resize(300, 24);
    box.setLeftCaption(QStringLiteral("Depth"));
    box.setRightCaption(QStringLiteral("in"));
    box.setAutoSize(true);
    auto *text = box.findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *left = box.findChild<QLabel *>(QStringLiteral("lblLeftCaption"));
    auto *right = box.findChild<QLabel *>(QStringLiteral("lblRightCaption"));
    QCOMPARE(text->width(), 40);
    QCOMPARE(text->x(), left->width() + 10);
    QCOMPARE(right->x(), text->x() + 40 + 5);
    QCOMPARE(box.width(), right->x() + right->width());
    QCOMPARE(left->y(), 3);
}

void EditBoxTest::typingWithEventsDisabledRaisesNothing()
{
    vdoEditBox box;
    box.setEventsEnabled(false);
    QSignalSpy change(&box, &vdoEditBox::Change);
    QSignalSpy keyPress(&box, &vdoEditBox::KeyPress);
    QTest::keyClicks(box.findChild<QLineEdit *>(QStringLiteral("Text1")), QStringLiteral("12"));
    QCOMPARE(box.text(), QStringLiteral("12"));
    QCOMPARE(change.count(), 0);
    QCOMPARE(keyPress.count(), 0);
    QVERIFY(!box.changed());
}

void EditBoxTest::keyPressCanCancelOrSubstitute()
{
    vdoEditBox box;
    // Digits only, and a comma becomes a point.
    connect(&box, &vdoEditBox::KeyPress, &box, [](qint16 *keyAscii) {
        if (*keyAscii == ',')
            *keyAscii = '.';
        else if (*keyAscii >= 'a' && *keyAscii <= 'z')
            *keyAscii = 0;
    });
    QSignalSpy keyDown(&box, &vdoEditBox::KeyDown);
    QTest::keyClicks(box.findChild<QLineEdit *>(QStringLiteral("Text1")), QStringLiteral("1x,5"));
    QCOMPARE(box.text(), QStringLiteral("1.5"));
    QCOMPARE(keyDown.count(), 4);
    QVERIFY(box.changed());
}

void EditBoxTest::clearRaisesChange()
{
    vdoEditBox box;
    box.setText(QStringLiteral("abc"));
    box.setChanged(false);
    QSignalSpy change(&box, &vdoEditBox::Change);
    box.Clear();
    QCOMPARE(change.count(), 1);
    QVERIFY(box.changed());
}

void EditBoxTest::loadingSettingsLeavesChangedFalse()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Text"), QStringLiteral("42"), QString());
    bag.WriteProperty(QStringLiteral("LeftCaption"), QStringLiteral("Width"), QString());
    vdoEditBox box;
    QSignalSpy change(&box, &vdoEditBox::Change);
    box.readProperties(bag);
    QCOMPARE(box.text(), QStringLiteral("42"));
    QCOMPARE(change.count(), 1);
    QVERIFY(!box.changed());
    // Absent entries give their defaults.
    QVERIFY(box.eventsEnabled());
    QVERIFY(box.autoCaptionHighlight());
    QCOMPARE(box.rightCaption(), QString());
}

void EditBoxTest::settingsRoundTripStoresOnlyNonDefaults()
{
    vdoEditBox box;
    PropertyBag defaults;
    box.writeProperties(defaults);
    QVERIFY(defaults.names().isEmpty());

    box.setLeftCaption(QStringLiteral("Cover"));
    box.setTextWidth(60);
    box.setAutoCaptionHighlight(false);
    box.setReadOnly(true);
    box.setText(QStringLiteral("6"));
    PropertyBag bag;
    box.writeProperties(bag);
    QCOMPARE(bag.names(),
             QStringList({"LeftCaption", "TextWidth", "Text", "AutoHighlight", "ReadOnly"}));

    vdoEditBox copy;
    copy.readProperties(bag);
    QCOMPARE(copy.leftCaption(), QStringLiteral("Cover"));
    QCOMPARE(copy.textWidth(), 60);
    QVERIFY(!copy.autoCaptionHighlight());
    QVERIFY(copy.readOnly());
    QCOMPARE(copy.text(), QStringLiteral("6"));
}

void EditBoxTest::disabledShowsButtonFace()
{
    vdoEditBox box;
    auto *text = box.findChild<QLineEdit *>(QStringLiteral("Text1"));
    const QPalette system = QApplication::palette(text);
    box.setProperty("Enabled", false);
    QVERIFY(!text->isEnabled());
    QCOMPARE(text->palette().color(QPalette::Base), system.color(QPalette::Button));
    box.setProperty("Enabled", true);
    QCOMPARE(text->palette().color(QPalette::Base), system.color(QPalette::Base));
}

QTEST_MAIN(EditBoxTest)
#include "EditBoxTest.moc"
