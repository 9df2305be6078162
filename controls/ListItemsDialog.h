#pragma once

#include "LiveObjectToken.h"
#include "VeldoSharedControlsGlobal.h"

#include <QDialog>

class QDialogButtonBox;
class vdoCombo;
class vdoCombo_Properties;

// Shows the "List Items" page for one vdoCombo with OK, Apply and Cancel. Apply (and OK after an
// edit) writes the items to the control and emits applied(), so a form designer can record them.
class VELDO_CONTROLS_EXPORT ListItemsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ListItemsDialog(vdoCombo *control, QWidget *parent = nullptr);

    vdoCombo_Properties *page() const { return m_page; }
    void apply();

signals:
    void applied();

private:
    vdoCombo_Properties *m_page;
    QDialogButtonBox *m_buttons;
    LiveObjectToken m_liveToken;
};
