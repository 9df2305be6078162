#pragma once

#include "LiveObjectToken.h"
#include "VeldoSharedControlsGlobal.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class vdoCombo;

// The "List Items" page: edits a working copy of a vdoCombo's items one at a time and writes
// them back on applyChanges(). Any host (the designer's dialog, a test) drives it through
// setSelectedControls(), the Changed flag and applyChanges().
class VELDO_CONTROLS_EXPORT vdoCombo_Properties : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ClassName", "VeldoSharedControls.vdoCombo_Properties")
    Q_CLASSINFO("ClassID", "{BBD65DF4-9EED-4A73-8518-FF98C4871F29}")
    Q_CLASSINFO("InterfaceID", "{7445CEA9-723E-40B3-955E-F379ECC26060}")
    Q_PROPERTY(bool Changed READ changed WRITE setChanged NOTIFY changedStateChanged)

public:
    explicit vdoCombo_Properties(QWidget *parent = nullptr);

    // The page edits the first of the selected controls.
    void setSelectedControls(const QList<vdoCombo *> &controls);
    void applyChanges();

    bool changed() const { return m_changed; }
    void setChanged(bool changed);

    QStringList workingItems() const { return m_items; }
    int currentIndex() const { return m_index; }

signals:
    void changedStateChanged(bool changed);

private:
    void buildChildren();
    void commitItem();
    void showItem(int index);
    void showNoItems();
    void onPrev();
    void onNext();
    void onAdd();
    void onDelete();
    void setItemBoxEnabled(bool enabled);

    QLabel *lblListCount;
    QLineEdit *txtListCount;
    QLabel *lblListIndex;
    QLineEdit *txtListIndex;
    QLabel *lblListItem;
    QLineEdit *txtListItem;
    QPushButton *cmdPrev;
    QPushButton *cmdNext;
    QPushButton *cmdAdd;
    QPushButton *cmdDelete;

    QPointer<vdoCombo> m_control;
    QStringList m_items;
    int m_index = 0;
    bool m_changed = false;
    LiveObjectToken m_liveToken;
};
