#include "FieldColours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

void applyFieldBackground(QWidget *field, bool enabled)
{
    const QPalette system = QApplication::palette(field);
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, system.color(enabled ? QPalette::Base : QPalette::Button));
    field->setPalette(pal);
}
