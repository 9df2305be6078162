#include "ListItemsDialog.h"

#include "vdoCombo.h"
#include "vdoCombo_Properties.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

ListItemsDialog::ListItemsDialog(vdoCombo *control, QWidget *parent)
    : QDialog(parent), m_page(new vdoCombo_Properties(this)),
      m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(m_page->windowTitle());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    layout->addWidget(m_buttons);

    QPushButton *applyButton = m_buttons->button(QDialogButtonBox::Apply);
    applyButton->setEnabled(false);
    connect(m_page, &vdoCombo_Properties::changedStateChanged, applyButton,
            &QPushButton::setEnabled);
    connect(applyButton, &QPushButton::clicked, this, &ListItemsDialog::apply);
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_page->changed())
            apply();
        accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_page->setSelectedControls({control});
}

void ListItemsDialog::apply()
{
    m_page->applyChanges();
    m_page->setChanged(false);
    emit applied();
}
