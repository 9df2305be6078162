#pragma once

#include "VeldoSharedControlsGlobal.h"

// Converts between pixels and twips (1440 per inch) at a given logical resolution.
class VELDO_CONTROLS_EXPORT Twips
{
public:
    static constexpr double perInch = 1440.0;

    explicit Twips(double logicalDpi);

    double perPixel() const { return perInch / m_dpi; }
    double fromPixels(double pixels) const { return pixels * perPixel(); }
    double toPixels(double twips) const { return twips / perPixel(); }

private:
    double m_dpi;
};
