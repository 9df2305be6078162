#include "vdoCombo_Properties.h"

#include "vdoCombo.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
void setBackground(QLineEdit *edit, QPalette::ColorRole systemRole)
{
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, QApplication::palette(edit).color(systemRole));
    edit->setPalette(pal);
}
} // namespace

vdoCombo_Properties::vdoCombo_Properties(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("List Items"));
    buildChildren();
    setBackground(txtListIndex, QPalette::Button);
    setBackground(txtListCount, QPalette::Button);
    showNoItems();
}

void vdoCombo_Properties::buildChildren()
{
    auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    lblListCount = new QLabel(QStringLiteral("ListCount"), this);
    txtListCount = new QLineEdit(this);
    lblListIndex = new QLabel(QStringLiteral("List Index"), this);
    txtListIndex = new QLineEdit(this);
    lblListItem = new QLabel(QStringLiteral("List Item"), this);
    txtListItem = new QLineEdit(this);
    cmdPrev = new QPushButton(QStringLiteral("Prev"), this);
    cmdNext = new QPushButton(QStringLiteral("Next"), this);
    cmdAdd = new QPushButton(QStringLiteral("Add"), this);
    cmdDelete = new QPushButton(QStringLiteral("Delete"), this);
    named(lblListCount, "lblListCount");
    named(txtListCount, "txtListCount");
    named(lblListIndex, "lblListIndex");
    named(txtListIndex, "txtListIndex");
    named(lblListItem, "lblListItem");
    named(txtListItem, "txtListItem");
    named(cmdPrev, "cmdPrev");
    named(cmdNext, "cmdNext");
    named(cmdAdd, "cmdAdd");
    named(cmdDelete, "cmdDelete");
    // The count and index are display only; the page owns the index it shows.
    txtListCount->setReadOnly(true);
    txtListIndex->setReadOnly(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblListCount, 0, 0);
    grid->addWidget(txtListCount, 0, 1);
    grid->addWidget(lblListIndex, 1, 0);
    grid->addWidget(txtListIndex, 1, 1);
    grid->addWidget(lblListItem, 2, 0);
    grid->addWidget(txtListItem, 2, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {cmdPrev, cmdNext, cmdAdd, cmdDelete})
        buttons->addWidget(b);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);

    connect(cmdPrev, &QPushButton::clicked, this, &vdoCombo_Properties::onPrev);
    connect(cmdNext, &QPushButton::clicked, this, &vdoCombo_Properties::onNext);
    connect(cmdAdd, &QPushButton::clicked, this, &vdoCombo_Properties::onAdd);
    connect(cmdDelete, &QPushButton::clicked, this, &vdoCombo_Properties::onDelete);
    connect(txtListItem, &QLineEdit::textEdited, this, [this] { setChanged(true); });
}

void vdoCombo_Properties::setChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit changedStateChanged(changed);
}

void vdoCombo_Properties::setSelectedControls(const QList<vdoCombo *> &controls)
{
    m_control = controls.isEmpty() ? nullptr : controls.first();
    m_items.clear();
    const int count = m_control ? qMin(m_control->listCount(), vdoCombo::MaxItems) : 0;
    if (count <= 0) {
        showNoItems();
        return;
    }
    for (int i = 0; i < count; ++i)
        m_items.append(m_control->ListItem(i));
    txtListCount->setText(QString::number(count));
    setItemBoxEnabled(true);
    showItem(0);
}

void vdoCombo_Properties::applyChanges()
{
    if (!m_control)
        return;
    if (!m_items.isEmpty())
        commitItem();
    m_control->Clear();
    for (const QString &item : std::as_const(m_items))
        m_control->AddItem(item);
}

void vdoCombo_Properties::commitItem()
{
    if (txtListItem->isModified() && m_index >= 0 && m_index < m_items.size())
        m_items[m_index] = txtListItem->text();
}

void vdoCombo_Properties::showItem(int index)
{
    m_index = index;
    const int count = static_cast<int>(m_items.size());
    txtListIndex->setText(QString::number(index));
    txtListItem->setText(m_items.at(index));
    txtListItem->setModified(false);
    cmdPrev->setEnabled(index > 0);
    cmdNext->setEnabled(index < count - 1);
    cmdDelete->setEnabled(true);
}

void vdoCombo_Properties::showNoItems()
{
    m_index = 0;
    txtListCount->setText(QStringLiteral("0"));
    txtListIndex->clear();
    txtListItem->clear();
    txtListItem->setModified(false);
    setItemBoxEnabled(false);
    cmdPrev->setEnabled(false);
    cmdNext->setEnabled(false);
    cmdDelete->setEnabled(false);
}

void vdoCombo_Properties::setItemBoxEnabled(bool enabled)
{
    txtListItem->setEnabled(enabled);
    setBackground(txtListItem, enabled ? QPalette::Base : QPalette::Button);
}

void vdoCombo_Properties::onPrev()
{
    if (m_index <= 0)
        return;
    commitItem();
    showItem(m_index - 1);
}

void vdoCombo_Properties::onNext()
{
    if (m_index >= m_items.size() - 1)
        return;
    commitItem();
    showItem(m_index + 1);
}

void vdoCombo_Properties::onAdd()
{
    int newIndex = 0;
    if (m_items.isEmpty()) {
        m_items = {QString()};
    } else {
        if (m_items.size() >= vdoCombo::MaxItems)
            return;
        commitItem();
        newIndex = m_index + 1;
        m_items.insert(newIndex, QString());
    }
    // The new item goes directly after the one on view.
    m_items[newIndex] = vdoCombo::defaultItemText(newIndex);
    txtListCount->setText(QString::number(m_items.size()));
    setItemBoxEnabled(true);
    showItem(newIndex);
    setChanged(true);
}

void vdoCombo_Properties::onDelete()
{
    if (m_items.isEmpty())
        return;
    // A pending edit of the deleted item goes with it.
    m_items.removeAt(m_index);
    txtListCount->setText(QString::number(m_items.size()));
    if (m_items.isEmpty())
        showNoItems();
    else
        showItem(qMin(m_index, static_cast<int>(m_items.size()) - 1));
    setChanged(true);
}
