#include "LabelFit.h"

#include <QLabel>
#include <QList>

int CaptionOverflow(const QList<QLabel *> &labels, int room)
{
    int widest = 0;
    for (const QLabel *label : labels)
        widest = qMax(widest, label->sizeHint().width());
    return qMax(0, widest - room);
}

void PlaceWidenedToCaption(QWidget *widget, const QRect &design)
{
    QRect place = design;
    place.setWidth(qMax(design.width(), widget->sizeHint().width()));
    widget->setGeometry(place);
}
