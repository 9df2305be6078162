#include "ComboLayout.h"

#include "RoundHalfEven.h"
#include "Twips.h"

#include <QWidget>

#include <algorithm>

ComboPlacement ComboLayout::arrange(const ComboLayoutInput &in)
{
    const Twips twips(in.dpi);
    auto px = [&](double t) { return roundHalfEven(twips.toPixels(t)); };

    ComboPlacement p;
    p.control = QSize(in.control.width(), in.listHeight);
    const double width = twips.fromPixels(in.control.width());
    const double listHeight = twips.fromPixels(in.listHeight);

    if (!in.hasCaption) {
        p.list = QRect(0, 0, in.control.width(), in.listHeight);
        return p;
    }

    const double labelWidth = twips.fromPixels(in.label.width());
    const double labelHeight = twips.fromPixels(in.label.height());
    p.labelVisible = true;
    p.labelPos = QPoint(0, px((listHeight - labelHeight) / 2));

    // No widget is wider than QWIDGETSIZE_MAX, so a list further left could not reach the
    // control's right edge, and one further right is off the control anyway. Clamping also
    // keeps the twips within int.
    const int comboLeft =
        std::clamp(in.comboLeft, in.control.width() - QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int x = roundHalfEven(comboLeft != 0 ? twips.fromPixels(comboLeft)
                                               : labelWidth + twips.fromPixels(captionGap));
    const int listWidth = roundHalfEven(width - x);
    // A caption that leaves no room hides the list instead of giving it no width.
    p.listVisible = listWidth >= 1;
    p.list = QRect(px(x), 0, px(listWidth), in.listHeight);
    return p;
}
