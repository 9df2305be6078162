#pragma once

#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>

class QAction;
class vdoCombo;

// "Edit List Items..." in Qt Designer's context menu of a vdoCombo.
class ComboTaskMenu : public QObject, public QDesignerTaskMenuExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    explicit ComboTaskMenu(vdoCombo *combo, QObject *parent = nullptr);

    QAction *preferredEditAction() const override;
    QList<QAction *> taskActions() const override;

private:
    void editListItems();
    void recordItems(const QStringList &before);

    QPointer<vdoCombo> m_combo;
    QAction *m_editAction;
};
