// The edit box and combo layouts built with UndefinedBehaviorSanitizer (any overflow aborts),
// fed positions and widths at the ends of the int range.
#include "ComboLayout.h"
#include "EditBoxLayout.h"

#include <QTest>

#include <limits>

class tst_LayoutSanitized : public QObject
{
    Q_OBJECT

private slots:
    void extremeSettings_data();
    void extremeSettings();
};

void tst_LayoutSanitized::extremeSettings_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("largest") << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << std::numeric_limits<int>::min();
}

void tst_LayoutSanitized::extremeSettings()
{
    QFETCH(int, value);
    for (const bool autoSize : {true, false}) {
        EditBoxLayoutInput box;
        box.client = QRect(0, 0, 300, 24);
        box.leftLabel = QSize(37, 14);
        box.rightLabel = QSize(10, 14);
        box.hasLeftCaption = box.hasRightCaption = true;
        box.autoSize = autoSize;
        box.textLeft = value;
        QVERIFY(EditBoxLayout::arrange(box).leftVisible);
        box.textLeft = 0;
        box.textWidth = value;
        QVERIFY(EditBoxLayout::arrange(box).leftVisible);
    }
    ComboLayoutInput combo;
    combo.control = QSize(200, 22);
    combo.label = QSize(40, 16);
    combo.listHeight = 22;
    combo.hasCaption = true;
    combo.comboLeft = value;
    QCOMPARE(ComboLayout::arrange(combo).control, QSize(200, 22));
}

QTEST_MAIN(tst_LayoutSanitized)
#include "tst_LayoutSanitized.moc"
