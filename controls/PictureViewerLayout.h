#pragma once

#include "VeldoSharedControlsGlobal.h"

#include <QRect>

#include <optional>

// Where the picture viewer's viewport, scroll bars and corner box go for one size of the
// control. Pure arithmetic, so the thresholds can be tested without widgets.
struct PictureViewerInput
{
    QRect client;      // the control's client area (ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight)
    int barWidth = 0;  // thickness of the vertical bar
    int barHeight = 0; // thickness of the horizontal bar
    int imageWidth = 0;
    int imageHeight = 0;
    bool imageLoaded = false;
    bool userMode = true; // false while a form designer hosts the control
};

struct ChildPlacement
{
    bool visible = false;
    std::optional<QRect> rect; // nullopt: the child keeps its geometry
};

struct BarPlacement : ChildPlacement
{
    std::optional<int> maximum;     // nullopt: the range is left alone
    std::optional<int> largeChange; // nullopt: the page step is left alone
};

struct PictureViewerPlacement
{
    ChildPlacement viewport;
    BarPlacement vertical;
    BarPlacement horizontal;
    std::optional<ChildPlacement> corner; // nullopt: the corner box is not touched
};

class VELDO_CONTROLS_EXPORT PictureViewerLayout
{
public:
    static PictureViewerPlacement arrange(const PictureViewerInput &in);

private:
    static PictureViewerPlacement arrangeForDesigner(const PictureViewerInput &in);
    static PictureViewerPlacement arrangeWithPicture(const PictureViewerInput &in);
};
