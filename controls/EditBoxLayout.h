#pragma once

#include "VeldoSharedControlsGlobal.h"

#include <QRect>
#include <QSize>

#include <optional>

// Placement of the captioned edit box's text box and captions. Pure arithmetic on pixel sizes.
struct EditBoxLayoutInput
{
    QRect client;
    QSize leftLabel;  // size of the left caption label (sized to its text)
    QSize rightLabel; // size of the right caption label
    bool hasLeftCaption = false;
    bool hasRightCaption = false;
    bool autoSize = false;
    int textLeft = 0;  // 0 or less: just after the left caption
    int textWidth = 0; // 0 or less: no fixed width
};

struct EditBoxPlacement
{
    bool textVisible = true;
    std::optional<QRect> text; // nullopt: the text box keeps its geometry
    bool leftVisible = false;
    QPoint leftPos;
    bool rightVisible = false;
    QPoint rightPos;
    std::optional<QSize> controlSize; // set when the control sizes itself to its content
};

class VELDO_CONTROLS_EXPORT EditBoxLayout
{
public:
    static constexpr int captionTop = 3;
    static constexpr int leftGap = 10;
    static constexpr int rightGap = 5;
    static constexpr int defaultAutoWidth = 40;

    static EditBoxPlacement arrange(const EditBoxLayoutInput &in);

private:
    static EditBoxPlacement arrangeWithoutCaptions(const EditBoxLayoutInput &in);
    static EditBoxPlacement arrangeWithCaptions(const EditBoxLayoutInput &in);
};
