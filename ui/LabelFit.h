#pragma once

#include <QRect>

class QLabel;
class QWidget;

template <typename T> class QList;

// Captions keep the window's font. The form's fixed places were drawn for a narrower
// desktop font; where a caption needs more room than its place gives, the place grows to
// the caption and whatever stands to its right moves along by the same amount.

// How much wider than `room` the widest caption is; 0 when all fit.
int CaptionOverflow(const QList<QLabel *> &labels, int room);
// Places the widget at its design rectangle, widened to its caption when that is wider.
void PlaceWidenedToCaption(QWidget *widget, const QRect &design);
