#include "WidgetPlacement.h"

#include <QWidget>

void MoveIfPositive(QWidget *widget, const QRect &rect)
{
    if (widget && rect.width() > 0 && rect.height() > 0)
        widget->setGeometry(rect);
}
