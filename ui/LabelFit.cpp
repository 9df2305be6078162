#include "LabelFit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QList>

namespace {

constexpr double SmallestPointSize = 6.0;

template <typename Widget> void shrinkUntil(Widget *widget, int maxWidth)
{
    QFont font = widget->font();
    double size = font.pointSizeF();
    while (size > SmallestPointSize && widget->sizeHint().width() > maxWidth) {
        size -= 0.25;
        font.setPointSizeF(size);
        widget->setFont(font);
    }
}

} // namespace

void FitLabelsWidth(const QList<QLabel *> &labels, int maxWidth)
{
    if (labels.isEmpty())
        return;
    double common = labels.constFirst()->font().pointSizeF();
    for (QLabel *label : labels) {
        shrinkUntil(label, maxWidth);
        common = qMin(common, label->font().pointSizeF());
    }
    for (QLabel *label : labels) {
        QFont font = label->font();
        font.setPointSizeF(common);
        label->setFont(font);
        label->resize(qMin(label->sizeHint().width(), maxWidth), label->sizeHint().height());
    }
}

void FitButtonWidth(QAbstractButton *button, int width)
{
    shrinkUntil(button, width);
}
