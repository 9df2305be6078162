#include "ListItemsDialog.h"
#include "vdoCombo.h"
#include "vdoCombo_Properties.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
QPushButton *button(QWidget *page, const char *name)
{
    return page->findChild<QPushButton *>(QLatin1String(name));
}

QLineEdit *edit(QWidget *page, const char *name)
{
    return page->findChild<QLineEdit *>(QLatin1String(name));
}

void typeInto(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}
} // namespace

class ComboPropertiesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void showsFirstItem();
    void addInsertsAfterItemOnView();
    void deleteLastItemDisablesEverything();
    void addToEmptyListStartsAtZero();
    void editThenNextIsApplied();
    void editThenDeleteIsLost();
    void dialogApplyEnablesOnlyAfterAChange();

private:
    vdoCombo *m_combo = nullptr;
    vdoCombo_Properties *m_page = nullptr;
};

void ComboPropertiesTest::init()
{
    delete m_combo;
    delete m_page;
    m_combo = new vdoCombo;
    m_combo->setListItems({"A", "B", "C"});
    m_page = new vdoCombo_Properties;
    m_page->setSelectedControls({m_combo});
}

void ComboPropertiesTest::showsFirstItem()
{
    QCOMPARE(edit(m_page, "txtListCount")->text(), QStringLiteral("3"));
    QCOMPARE(edit(m_page, "txtListIndex")->text(), QStringLiteral("0"));
    QCOMPARE(edit(m_page, "txtListItem")->text(), QStringLiteral("A"));
    QVERIFY(!button(m_page, "cmdPrev")->isEnabled());
    QVERIFY(button(m_page, "cmdNext")->isEnabled());
    QVERIFY(!m_page->changed());
}

void ComboPropertiesTest::addInsertsAfterItemOnView()
{
    button(m_page, "cmdAdd")->click();
    QCOMPARE(m_page->workingItems(), QStringList({"A", "List Item 1", "B", "C"}));
    QCOMPARE(edit(m_page, "txtListIndex")->text(), QStringLiteral("1"));
    QCOMPARE(edit(m_page, "txtListCount")->text(), QStringLiteral("4"));
    QVERIFY(button(m_page, "cmdPrev")->isEnabled());
    QVERIFY(m_page->changed());
    QCOMPARE(m_combo->listItems(), QStringList({"A", "B", "C"})); // only Apply writes back
    m_page->applyChanges();
    QCOMPARE(m_combo->listItems(), QStringList({"A", "List Item 1", "B", "C"}));
}

void ComboPropertiesTest::deleteLastItemDisablesEverything()
{
    m_combo->setListItems({"only"});
    m_page->setSelectedControls({m_combo});
    button(m_page, "cmdDelete")->click();
    QCOMPARE(edit(m_page, "txtListCount")->text(), QStringLiteral("0"));
    QCOMPARE(edit(m_page, "txtListIndex")->text(), QString());
    QVERIFY(!edit(m_page, "txtListItem")->isEnabled());
    for (const char *name : {"cmdPrev", "cmdNext", "cmdDelete"})
        QVERIFY2(!button(m_page, name)->isEnabled(), name);
    m_page->applyChanges();
    QCOMPARE(m_combo->listCount(), 0);
}

void ComboPropertiesTest::addToEmptyListStartsAtZero()
{
    m_combo->Clear();
    m_page->setSelectedControls({m_combo});
    QVERIFY(!edit(m_page, "txtListItem")->isEnabled());
    button(m_page, "cmdAdd")->click();
    QCOMPARE(m_page->workingItems(), QStringList({"List Item 0"}));
    QVERIFY(edit(m_page, "txtListItem")->isEnabled());
    QVERIFY(!button(m_page, "cmdNext")->isEnabled());
}

void ComboPropertiesTest::editThenNextIsApplied()
{
    typeInto(edit(m_page, "txtListItem"), QStringLiteral("RX-160"));
    QVERIFY(m_page->changed());
    button(m_page, "cmdNext")->click();
    typeInto(edit(m_page, "txtListItem"), QStringLiteral("RX-300"));
    m_page->applyChanges(); // commits the item on view too
    QCOMPARE(m_combo->listItems(), QStringList({"RX-160", "RX-300", "C"}));
}

void ComboPropertiesTest::editThenDeleteIsLost()
{
    button(m_page, "cmdNext")->click();
    typeInto(edit(m_page, "txtListItem"), QStringLiteral("edited"));
    button(m_page, "cmdDelete")->click();
    QCOMPARE(m_page->workingItems(), QStringList({"A", "C"}));
    QCOMPARE(edit(m_page, "txtListItem")->text(), QStringLiteral("C"));
    m_page->applyChanges();
    QCOMPARE(m_combo->listItems(), QStringList({"A", "C"}));
}

void ComboPropertiesTest::dialogApplyEnablesOnlyAfterAChange()
{
    ListItemsDialog dialog(m_combo);
    QPushButton *apply = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply);
    QVERIFY(!apply->isEnabled());
    int applied = 0;
    connect(&dialog, &ListItemsDialog::applied, this, [&] { ++applied; });
    button(dialog.page(), "cmdAdd")->click();
    QVERIFY(apply->isEnabled());
    apply->click();
    QCOMPARE(applied, 1);
    QVERIFY(!apply->isEnabled());
    QCOMPARE(m_combo->listCount(), 4);
}

QTEST_MAIN(ComboPropertiesTest)
#include "ComboPropertiesTest.moc"
