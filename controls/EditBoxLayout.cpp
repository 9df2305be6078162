#include "EditBoxLayout.h"

#include <QWidget>

#include <algorithm>

namespace {
// A widget can be no larger than QWIDGETSIZE_MAX, so positions and widths beyond it mean nothing
// on screen. Clamping the settings to it keeps every sum below within int.
int onScreen(int value)
{
    return std::clamp(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}
} // namespace

EditBoxPlacement EditBoxLayout::arrange(const EditBoxLayoutInput &in)
{
    if (!in.hasLeftCaption && !in.hasRightCaption)
        return arrangeWithoutCaptions(in);
    return arrangeWithCaptions(in);
}

EditBoxPlacement EditBoxLayout::arrangeWithoutCaptions(const EditBoxLayoutInput &in)
{
    const int cl = in.client.left(), y = in.client.top(), h = in.client.height();
    EditBoxPlacement p;
    if (in.autoSize && in.textWidth > 0) {
        const int w = onScreen(in.textWidth);
        p.text = QRect(cl, y, w, h);
        p.controlSize = QSize(w, h);
    } else {
        p.text = QRect(cl, y, in.client.width(), h);
    }
    return p;
}

EditBoxPlacement EditBoxLayout::arrangeWithCaptions(const EditBoxLayoutInput &in)
{
    const int cl = in.client.left(), y = in.client.top();
    const int cw = in.client.width(), h = in.client.height();
    EditBoxPlacement p;

    int x = cl;
    if (in.hasLeftCaption) {
        p.leftVisible = true;
        p.leftPos = QPoint(cl, captionTop);
        x = in.leftLabel.width() + cl + leftGap;
    }
    if (in.textLeft > 0)
        x = onScreen(in.textLeft);

    if (in.autoSize) {
        const int w = in.textWidth > 0 ? onScreen(in.textWidth) : defaultAutoWidth;
        p.text = QRect(x, y, w, h);
        // The control ends exactly at the right edge of its last child.
        int right = x + w;
        if (in.hasRightCaption) {
            p.rightVisible = true;
            p.rightPos = QPoint(right + rightGap, captionTop);
            right = p.rightPos.x() + in.rightLabel.width();
        }
        p.controlSize = QSize(std::min(right, QWIDGETSIZE_MAX), h);
        return p;
    }

    const int w = cw - x - (in.hasRightCaption ? in.rightLabel.width() + rightGap : 0);
    // A text box that does not fit is hidden rather than given a negative width.
    p.textVisible = w >= 0;
    if (p.textVisible)
        p.text = QRect(x, y, w, h);
    if (in.hasRightCaption) {
        p.rightVisible = true;
        p.rightPos = QPoint(cw - in.rightLabel.width(), captionTop);
    }
    return p;
}
