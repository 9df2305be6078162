#include "ComboTaskMenu.h"

#include "ListItemsDialog.h"
#include "vdoCombo.h"

#include <QAction>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>

ComboTaskMenu::ComboTaskMenu(vdoCombo *combo, QObject *parent)
    : QObject(parent), m_combo(combo),
      m_editAction(new QAction(QStringLiteral("Edit List Items..."), this))
{
    connect(m_editAction, &QAction::triggered, this, &ComboTaskMenu::editListItems);
}

QAction *ComboTaskMenu::preferredEditAction() const
{
    return m_editAction;
}

QList<QAction *> ComboTaskMenu::taskActions() const
{
    return {m_editAction};
}

void ComboTaskMenu::editListItems()
{
    if (!m_combo)
        return;
    QStringList before = m_combo->listItems();
    ListItemsDialog dialog(m_combo, m_combo->window());
    connect(&dialog, &ListItemsDialog::applied, this, [this, &before] {
        recordItems(before);
        before = m_combo->listItems();
    });
    dialog.exec();
}

void ComboTaskMenu::recordItems(const QStringList &before)
{
    QDesignerFormWindowInterface *form = QDesignerFormWindowInterface::findFormWindow(m_combo);
    if (!form)
        return;
    // The page has already written the items into the control. Put the old ones back and let
    // the form's cursor set the new ones, so the change is undoable, marks the form as modified
    // and is saved in the .ui file.
    const QStringList after = m_combo->listItems();
    m_combo->setListItems(before);
    form->cursor()->setWidgetProperty(m_combo, QStringLiteral("ListItems"), after);
}
