#include "ctrlPictureViewer.h"
#include "ui_ControlsForm.h"
#include "vdoCombo.h"
#include "vdoEditBox.h"

#include <QTest>

// A form saved by the Designer with the three controls, compiled by uic during the build.
class UicFormTest : public QObject
{
    Q_OBJECT

private slots:
    void formKeepsDesignedSettings();
};

void UicFormTest::formKeepsDesignedSettings()
{
    QWidget form;
    Ui::ControlsForm ui;
    ui.setupUi(&form);
    QCOMPARE(ui.cmbChamber->listItems(), QStringList({"RX-160", "RX-300"}));
    QCOMPARE(ui.cmbChamber->caption(), QStringLiteral("Chamber type"));
    QCOMPARE(ui.cmbChamber->listIndex(), -1);
    QCOMPARE(ui.txtDepth->leftCaption(), QStringLiteral("Foundation depth"));
    QCOMPARE(ui.txtDepth->rightCaption(), QStringLiteral("in"));
    QCOMPARE(ui.txtDepth->text(), QStringLiteral("6"));
    QCOMPARE(ui.ctrlPictureViewer1->bgColor(), QColor(255, 255, 255));
}

QTEST_MAIN(UicFormTest)
#include "UicFormTest.moc"
