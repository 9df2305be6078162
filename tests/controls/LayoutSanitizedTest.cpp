// The edit box and combo layouts built with UndefinedBehaviorSanitizer (any overflow aborts),
// fed positions and widths at the ends of the int range: the layout stays sane (the control
// keeps its caption and does not collapse) and computes nothing undefined on the way.
#include "ComboLayout.h"
#include "EditBoxLayout.h"

#include <QTest>

#include <limits>
#include <utility>

class LayoutSanitizedTest : public QObject
{
    Q_OBJECT

private slots:
    void extremeSettings_data();
    void extremeSettings();
};

void LayoutSanitizedTest::extremeSettings_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("largest") << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << std::numeric_limits<int>::min();
}

void LayoutSanitizedTest::extremeSettings()
{
    QFETCH(int, value);
    for (const bool autoSize : {true, false}) {
        EditBoxLayoutInput box;
        box.client = QRect(0, 0, 300, 24);
        box.leftLabel = QSize(37, 14);
        box.rightLabel = QSize(10, 14);
        box.hasLeftCaption = box.hasRightCaption = true;
        box.autoSize = autoSize;
        for (const auto &[textLeft, textWidth] : {std::pair{value, 0}, std::pair{0, value}}) {
            box.textLeft = textLeft;
            box.textWidth = textWidth;
            const EditBoxPlacement p = EditBoxLayout::arrange(box);
            QVERIFY(p.leftVisible && p.leftPos == QPoint(0, 3));
            QVERIFY(!p.controlSize || p.controlSize->width() > box.leftLabel.width());
        }
    }
    ComboLayoutInput combo;
    combo.control = QSize(200, 22);
    combo.label = QSize(40, 16);
    combo.listHeight = 22;
    combo.hasCaption = true;
    combo.comboLeft = value;
    const ComboPlacement p = ComboLayout::arrange(combo);
    QCOMPARE(p.control, QSize(200, 22));
    // Far right: no room for the list; far left: it still reaches the control's right edge.
    QCOMPARE(p.listVisible, value < 0);
    if (p.listVisible)
        QCOMPARE(p.list.right(), 199);
}

QTEST_MAIN(LayoutSanitizedTest)
#include "LayoutSanitizedTest.moc"
