#include "ctrlPictureViewer.h"

#include "KeyCodes.h"
#include "PictureViewerLayout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace {
qint16 buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

ctrlPictureViewer::ctrlPictureViewer(QWidget *parent)
    : QWidget(parent), Picture1(new QWidget(this)), VScroll1(new QScrollBar(Qt::Vertical, this)),
      HScroll1(new QScrollBar(Qt::Horizontal, this)), picButton(new QWidget(this))
{
    Picture1->setObjectName(QStringLiteral("Picture1"));
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    picButton->setObjectName(QStringLiteral("picButton"));

    // The bars keep the thickness they are created with; the layout relies on it.
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, VScroll1);
    VScroll1->resize(extent, 100);
    HScroll1->resize(100, extent);
    for (QScrollBar *bar : {VScroll1, HScroll1}) {
        bar->setMinimum(0);
        bar->setMaximum(0);
        bar->hide();
        connect(bar, &QScrollBar::valueChanged, this, &ctrlPictureViewer::Refresh);
    }

    Picture1->setAutoFillBackground(true);
    setBGColor(palette().color(QPalette::Base));
    Picture1->installEventFilter(this);
    Picture1->hide();
    picButton->setAutoFillBackground(true);
    picButton->setBackgroundRole(QPalette::Button);
    // A press on the corner box is not one on the control's surface.
    picButton->setAttribute(Qt::WA_NoMousePropagation);
    picButton->hide();

    setTabOrder(Picture1, VScroll1);
    setTabOrder(VScroll1, HScroll1);
    setTabOrder(HScroll1, picButton);
}

ctrlPictureViewer::~ctrlPictureViewer() = default;

QColor ctrlPictureViewer::bgColor() const
{
    return Picture1->palette().color(QPalette::Window);
}

void ctrlPictureViewer::setBGColor(const QColor &color)
{
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, color);
    Picture1->setPalette(pal);
}

void ctrlPictureViewer::setUserMode(bool userMode)
{
    m_userMode = userMode;
    ArrangeControls();
}

bool ctrlPictureViewer::LoadFile(const QString &Path, int W, int H)
{
    ImageLoaded = false;
    QPixmap loaded;
    if (!loaded.load(Path))
        return false; // the previous picture stays held but is no longer shown
    StoredPicture = loaded;
    if (StoredPicture.isNull())
        return false;
    // The caller states the size; nothing is laid out until the next resize or SetPicture.
    ImageWidth = W;
    ImageHeight = H;
    ImageLoaded = true;
    return true;
}

void ctrlPictureViewer::SetPicture(const QPixmap &pic)
{
    StoredPicture = pic;
    if (pic.isNull()) {
        // Bars stay as they are until the next resize, but nothing is drawn any more.
        ImageLoaded = false;
        return;
    }
    const QSizeF natural = pic.deviceIndependentSize();
    ImageWidth = qRound(natural.width());
    ImageHeight = qRound(natural.height());
    ImageLoaded = true;
    ArrangeControls();
    Picture1->update();
}

void ctrlPictureViewer::SetPicture(const QImage &pic)
{
    SetPicture(QPixmap::fromImage(pic));
}

void ctrlPictureViewer::Refresh()
{
    Picture1->repaint();
}

void ctrlPictureViewer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ArrangeControls();
}

void ctrlPictureViewer::paintEvent(QPaintEvent *)
{
    drawSunkenFrame();
}

void ctrlPictureViewer::mousePressEvent(QMouseEvent *event)
{
    raiseMouseDown(event);
}

bool ctrlPictureViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1) {
        if (event->type() == QEvent::Paint) {
            paintViewport();
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            raiseMouseDown(static_cast<QMouseEvent *>(event));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ctrlPictureViewer::ArrangeControls()
{
    PictureViewerInput in;
    in.client = rect();
    in.barWidth = VScroll1->width();
    in.barHeight = HScroll1->height();
    in.imageWidth = ImageWidth;
    in.imageHeight = ImageHeight;
    in.imageLoaded = ImageLoaded;
    in.userMode = m_userMode;
    const PictureViewerPlacement p = PictureViewerLayout::arrange(in);

    place(Picture1, p.viewport);
    for (auto [bar, placement] : {std::pair{VScroll1, &p.vertical}, {HScroll1, &p.horizontal}}) {
        // Lowering the maximum clamps the value, which repaints the viewport.
        if (placement->maximum)
            bar->setMaximum(*placement->maximum);
        if (placement->largeChange)
            bar->setPageStep(*placement->largeChange);
        place(bar, *placement);
    }
    if (p.corner)
        place(picButton, *p.corner);
}

void ctrlPictureViewer::place(QWidget *child, const ChildPlacement &placement)
{
    if (placement.rect && placement.visible)
        child->setGeometry(*placement.rect);
    child->setVisible(placement.visible);
}

void ctrlPictureViewer::paintViewport()
{
    if (!ImageLoaded)
        return;
    const int x = HScroll1->isHidden() ? 0 : HScroll1->value();
    const int y = VScroll1->isHidden() ? 0 : VScroll1->value();
    const int w = qMin(Picture1->width(), ImageWidth);
    const int h = qMin(Picture1->height(), ImageHeight);
    // Only the visible part is drawn, so scrolling a large picture stays cheap.
    QPainter painter(Picture1);
    painter.drawPixmap(QRect(0, 0, w, h), StoredPicture, QRect(x, y, w, h));
}

void ctrlPictureViewer::drawSunkenFrame()
{
    QPainter painter(this);
    const QPalette &pal = palette();
    int l = rect().left(), t = rect().top(), r = rect().right(), b = rect().bottom();
    auto ring = [&](const QColor &topLeft, const QColor &bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(l, t, r, t);
        painter.setPen(bottomRight);
        painter.drawLine(r, t, r, b);
        painter.drawLine(r, b, l, b);
        painter.setPen(topLeft);
        painter.drawLine(l, b, l, t);
    };
    ring(pal.color(QPalette::Dark), pal.color(QPalette::Light));
    ++l, ++t, --r, --b;
    if (t < b && l < r)
        ring(pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
}

void ctrlPictureViewer::raiseMouseDown(QMouseEvent *event)
{
    const QPointF pos = event->position();
    emit MouseDown(buttonCode(event->button()), KeyCodes::shiftMask(event->modifiers()),
                   static_cast<float>(pos.x()), static_cast<float>(pos.y()));
}
