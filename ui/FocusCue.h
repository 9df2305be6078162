#pragma once

class QWidget;

// Gives the widget the focus as the keyboard would, so the style draws its focus cue at
// once, also when the user had not pressed Tab in this window before: for the focus moves
// the program makes itself (the Enter chain, a refused input).
void FocusWithCue(QWidget *widget);
