#pragma once

class QAbstractButton;
class QLabel;

template <typename T> class QList;

// Captions have fixed places in the form; on desktops whose default font is wider than the
// form was drawn for, these shrink a caption's font until it fits the room it has.
// The labels share one font size, the largest at which every caption fits.
void FitLabelsWidth(const QList<QLabel *> &labels, int maxWidth);
void FitButtonWidth(QAbstractButton *button, int width);
