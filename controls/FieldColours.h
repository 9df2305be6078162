#pragma once

class QWidget;

// The background of an entry field: the system's field colour while enabled, its button face
// while disabled, as the edit box and the combo show them.
void applyFieldBackground(QWidget *field, bool enabled);
