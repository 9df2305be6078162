#pragma once

#include "VeldoSharedControlsGlobal.h"

#include <QRect>

// Placement of the captioned combo box's caption and list. The control works in twips; the
// caption gap and the list's left position are given in pixels and converted first.
struct ComboLayoutInput
{
    double dpi = 96.0;
    QSize control;      // pixels
    QSize label;        // caption label, sized to its text (pixels)
    int listHeight = 0; // the list's own height, fixed by its font (pixels)
    bool hasCaption = false;
    int comboLeft = 0; // pixels; 0 means just after the caption
};

struct ComboPlacement
{
    QSize control; // the control is always exactly one list high
    bool labelVisible = false;
    QPoint labelPos;
    bool listVisible = true;
    QRect list;
};

class VELDO_CONTROLS_EXPORT ComboLayout
{
public:
    static constexpr int captionGap = 8; // pixels

    static ComboPlacement arrange(const ComboLayoutInput &in);
};
