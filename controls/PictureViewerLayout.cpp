#include "PictureViewerLayout.h"

#include "RoundHalfEven.h"

namespace {
// Scroll bars keep 80 % of the view as their page step, so one page keeps some overlap.
std::optional<int> largeChangeFor(int extent)
{
    const int step = roundHalfEven(0.8 * extent);
    return step > 0 ? std::optional<int>(step) : std::nullopt;
}
} // namespace

PictureViewerPlacement PictureViewerLayout::arrange(const PictureViewerInput &in)
{
    if (!in.userMode)
        return arrangeForDesigner(in);
    if (in.imageLoaded)
        return arrangeWithPicture(in);
    return {}; // everything hidden, corner box untouched
}

PictureViewerPlacement PictureViewerLayout::arrangeForDesigner(const PictureViewerInput &in)
{
    const int cl = in.client.left(), ct = in.client.top();
    const int cw = in.client.width(), ch = in.client.height();
    const bool showV = cw > 25;
    const bool showH = ch > 25;

    PictureViewerPlacement p;
    p.vertical.visible = showV;
    p.vertical.rect =
        QRect(cw + cl - 2 - in.barWidth, ct + 2, in.barWidth, ch - 4 - (showH ? in.barHeight : 0));
    p.horizontal.visible = showH;
    p.horizontal.rect =
        QRect(cl + 2, ch + ct - 2 - in.barHeight, cw - 4 - (showV ? in.barWidth : 0), in.barHeight);

    const int vw = cw - 4 - (showV ? in.barWidth : 0);
    const int vh = ch - 4 - (showH ? in.barHeight : 0);
    p.viewport.visible = vw > 0 && vh > 0;
    if (p.viewport.visible)
        p.viewport.rect = QRect(cl + 2, ct + 2, vw, vh);
    return p;
}

PictureViewerPlacement PictureViewerLayout::arrangeWithPicture(const PictureViewerInput &in)
{
    const int cl = in.client.left(), ct = in.client.top();
    const int cw = in.client.width(), ch = in.client.height();
    const int bw = in.barWidth, bh = in.barHeight;

    // Strict "less than": a picture exactly as large as the view needs no bar. The vertical bar
    // may take enough width to make a horizontal bar necessary, never the other way round.
    int vw = cw - 4, vh = ch - 4;
    bool needH = false, needV = false;
    if (vw < in.imageWidth) {
        needH = true;
        vh -= bh;
    }
    if (vh < in.imageHeight) {
        needV = true;
        vw -= bw;
        if (!needH && vw < in.imageWidth) {
            needH = true;
            vh -= bh;
        }
    }

    PictureViewerPlacement p;
    if (vw >= 1 && vh >= 1) {
        p.viewport.visible = true;
        p.viewport.rect = QRect(cl + 2, ct + 2, vw, vh);
    }

    if (needV) {
        const int height = ch - 4 - (needH ? bh : 0);
        if (bw >= 1 && height >= 1) {
            p.vertical.maximum = in.imageHeight - vh;
            p.vertical.largeChange = largeChangeFor(vh);
            p.vertical.rect = QRect(cw + cl - 2 - bw, ct + 2, bw, height);
            p.vertical.visible = true;
        }
    }
    if (needH) {
        const int width = cw - 4 - (needV ? bw : 0);
        p.horizontal.maximum = in.imageWidth - vw;
        p.horizontal.largeChange = largeChangeFor(vw);
        if (width >= 1 && bh >= 1) {
            p.horizontal.rect = QRect(cl + 2, ch + ct - 2 - bh, width, bh);
            p.horizontal.visible = true;
        }
    }

    ChildPlacement corner;
    if (needH && needV && p.vertical.rect && p.horizontal.rect) {
        const QRect box(p.vertical.rect->left(), p.horizontal.rect->top(), p.vertical.rect->width(),
                        p.horizontal.rect->height());
        if (box.width() >= 1 && box.height() >= 1) {
            corner.visible = true;
            corner.rect = box;
        }
    }
    p.corner = corner;
    return p;
}
