#pragma once

#include <QRect>

class QWidget;

// Moves the widget only when the rectangle has a positive width and height, so that a tiny
// or minimized window leaves it at its last usable size.
void MoveIfPositive(QWidget *widget, const QRect &rect);
