#include "FocusCue.h"

#include <QWidget>

void FocusWithCue(QWidget *widget)
{
    if (!widget)
        return;
    // Styles draw the cue only once the window has seen keyboard navigation; Qt marks that
    // for the Tab key itself, not for a Tab focus reason given by a program.
    widget->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    widget->setFocus(Qt::TabFocusReason);
}
