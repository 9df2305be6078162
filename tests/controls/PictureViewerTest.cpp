#include "PictureViewerLayout.h"
#include "ctrlPictureViewer.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {
constexpr int bar = 16;

PictureViewerInput input(int cw, int ch, int iw, int ih)
{
    PictureViewerInput in;
    in.client = QRect(0, 0, cw, ch);
    in.barWidth = bar;
    in.barHeight = bar;
    in.imageWidth = iw;
    in.imageHeight = ih;
    in.imageLoaded = true;
    return in;
}

// Each quadrant a different colour, so a grab shows which part of the picture is on view.
QPixmap quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, Qt::red);
    p.fillRect(w / 2, 0, w - w / 2, h / 2, Qt::green);
    p.fillRect(0, h / 2, w / 2, h - h / 2, Qt::blue);
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, Qt::yellow);
    return QPixmap::fromImage(image);
}
} // namespace

class PictureViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutThresholds_data();
    void layoutThresholds();
    void layoutRangesAndPageSteps();
    void layoutHandlesRangesBeyond16Bits();
    void layoutInDesignerShowsBarsBySize();
    void layoutWithoutPictureHidesAllButCorner();
    void smallerPictureClampsScrollPosition();
    void viewportShowsScrolledPart();
    void emptyPictureStopsDrawingButKeepsBars();
    void loadFileOfMissingFileFails();
    void mouseDownReportsViewportCoordinates();
    void mouseDownOnlyFromViewportAndSurface_data();
    void mouseDownOnlyFromViewportAndSurface();
    void frameIsSunken();
};

void PictureViewerTest::layoutThresholds_data()
{
    QTest::addColumn<QSize>("control");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("corner");
    QTest::addColumn<QSize>("viewport"); // invalid: hidden

    QTest::newRow("smaller both ways")
        << QSize(204, 154) << QSize(100, 100) << false << false << false << QSize(200, 150);
    QTest::newRow("exactly as wide and high")
        << QSize(204, 154) << QSize(200, 150) << false << false << false << QSize(200, 150);
    QTest::newRow("one pixel wider")
        << QSize(204, 154) << QSize(201, 100) << false << true << false << QSize(200, 134);
    QTest::newRow("taller, still fits across")
        << QSize(204, 154) << QSize(184, 500) << true << false << false << QSize(184, 150);
    QTest::newRow("taller, vertical bar forces horizontal")
        << QSize(204, 154) << QSize(190, 500) << true << true << true << QSize(184, 134);
    QTest::newRow("wider, horizontal bar forces vertical")
        << QSize(204, 154) << QSize(500, 140) << true << true << true << QSize(184, 134);
    QTest::newRow("tiny control") << QSize(4, 4) << QSize(50, 50) << false << false << false
                                  << QSize();
    QTest::newRow("too small for a viewport, room for one bar")
        << QSize(40, 20) << QSize(50, 50) << false << true << false << QSize();
}

void PictureViewerTest::layoutThresholds()
{
    QFETCH(QSize, control);
    QFETCH(QSize, image);
    const auto p = PictureViewerLayout::arrange(
        input(control.width(), control.height(), image.width(), image.height()));
    QTEST(p.vertical.visible, "vertical");
    QTEST(p.horizontal.visible, "horizontal");
    QVERIFY(p.corner.has_value());
    QTEST(p.corner->visible, "corner");
    QFETCH(QSize, viewport);
    QCOMPARE(p.viewport.visible, viewport.isValid());
    if (viewport.isValid())
        QCOMPARE(*p.viewport.rect, QRect(QPoint(2, 2), viewport));
}

void PictureViewerTest::layoutRangesAndPageSteps()
{
    const auto p = PictureViewerLayout::arrange(input(204, 154, 190, 500));
    QCOMPARE(*p.vertical.maximum, 500 - 134);
    QCOMPARE(*p.vertical.largeChange, 107); // 0.8 * 134 = 107.2
    QCOMPARE(*p.horizontal.maximum, 190 - 184);
    QCOMPARE(*p.horizontal.largeChange, 147); // 0.8 * 184 = 147.2
    QCOMPARE(*p.vertical.rect, QRect(204 - 2 - bar, 2, bar, 150 - bar));
    QCOMPARE(*p.horizontal.rect, QRect(2, 154 - 2 - bar, 184, bar));
    QCOMPARE(*p.corner->rect, QRect(204 - 2 - bar, 154 - 2 - bar, bar, bar));
}

void PictureViewerTest::layoutHandlesRangesBeyond16Bits()
{
    const auto p = PictureViewerLayout::arrange(input(404, 304, 100000, 70000));
    QCOMPARE(*p.horizontal.maximum, 100000 - 384);
    QCOMPARE(*p.vertical.maximum, 70000 - 284);
}

void PictureViewerTest::layoutInDesignerShowsBarsBySize()
{
    PictureViewerInput in = input(30, 20, 0, 0);
    in.imageLoaded = false;
    in.userMode = false;
    const auto p = PictureViewerLayout::arrange(in);
    QVERIFY(p.vertical.visible);    // width 30 > 25
    QVERIFY(!p.horizontal.visible); // height 20 is not
    QCOMPARE(*p.viewport.rect, QRect(2, 2, 30 - 4 - bar, 16));
    QVERIFY(!p.corner.has_value());
}

void PictureViewerTest::layoutWithoutPictureHidesAllButCorner()
{
    PictureViewerInput in = input(200, 200, 500, 500);
    in.imageLoaded = false;
    const auto p = PictureViewerLayout::arrange(in);
    QVERIFY(!p.viewport.visible && !p.vertical.visible && !p.horizontal.visible);
    QVERIFY(!p.corner.has_value());
}

void PictureViewerTest::smallerPictureClampsScrollPosition()
{
    ctrlPictureViewer viewer;
    viewer.resize(204, 154);
    viewer.SetPicture(quadrants(1000, 1000));
    auto *vbar = viewer.findChild<QScrollBar *>(QStringLiteral("VScroll1"));
    const int viewHeight =
        150 - viewer.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->height();
    vbar->setValue(vbar->maximum());
    QCOMPARE(vbar->value(), 1000 - viewHeight);

    viewer.SetPicture(quadrants(300, 300));
    QCOMPARE(vbar->maximum(), 300 - viewHeight);
    QCOMPARE(vbar->value(), vbar->maximum());
    QCOMPARE(viewer.imageWidth(), 300);
}

void PictureViewerTest::viewportShowsScrolledPart()
{
    ctrlPictureViewer viewer;
    viewer.resize(204, 154);
    viewer.SetPicture(quadrants(400, 400));
    auto *viewport = viewer.findChild<QWidget *>(QStringLiteral("Picture1"));
    QCOMPARE(viewport->grab().toImage().pixelColor(0, 0), QColor(Qt::red));

    viewer.findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(200);
    viewer.findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(200);
    QCOMPARE(viewport->grab().toImage().pixelColor(0, 0), QColor(Qt::yellow));
}

void PictureViewerTest::emptyPictureStopsDrawingButKeepsBars()
{
    ctrlPictureViewer viewer;
    viewer.setBGColor(Qt::magenta);
    viewer.resize(204, 154);
    viewer.SetPicture(quadrants(400, 400));
    viewer.SetPicture(QPixmap());

    QVERIFY(viewer.GetPicture().isNull());
    QVERIFY(!viewer.imageLoaded());
    QVERIFY(!viewer.findChild<QScrollBar *>(QStringLiteral("VScroll1"))->isHidden());
    auto *viewport = viewer.findChild<QWidget *>(QStringLiteral("Picture1"));
    QCOMPARE(viewport->grab().toImage().pixelColor(0, 0), QColor(Qt::magenta));

    viewer.resize(210, 160); // the next layout hides what is no longer needed
    QVERIFY(viewer.findChild<QScrollBar *>(QStringLiteral("VScroll1"))->isHidden());
}

void PictureViewerTest::loadFileOfMissingFileFails()
{
    ctrlPictureViewer viewer;
    viewer.resize(204, 154);
    viewer.SetPicture(quadrants(50, 50));
    QVERIFY(!viewer.LoadFile(QStringLiteral("/nonexistent/picture.png"), 10, 10));
    QVERIFY(!viewer.imageLoaded());
    QCOMPARE(viewer.GetPicture().width(), 50); // still held, no longer drawn
}

void PictureViewerTest::mouseDownReportsViewportCoordinates()
{
    ctrlPictureViewer viewer;
    viewer.resize(204, 154);
    viewer.SetPicture(quadrants(1000, 1000));
    viewer.findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(300);
    QSignalSpy spy(&viewer, &ctrlPictureViewer::MouseDown);
    auto *viewport = viewer.findChild<QWidget *>(QStringLiteral("Picture1"));
    QTest::mousePress(viewport, Qt::RightButton, Qt::ShiftModifier, QPoint(5, 7));
    QCOMPARE(spy.count(), 1);
    const auto args = spy.takeFirst();
    QCOMPARE(args.at(0).value<qint16>(), qint16(2));
    QCOMPARE(args.at(1).value<qint16>(), qint16(1));
    QCOMPARE(args.at(2).toFloat(), 5.0f);
    QCOMPARE(args.at(3).toFloat(), 7.0f);
}

void PictureViewerTest::mouseDownOnlyFromViewportAndSurface_data()
{
    QTest::addColumn<QString>("child"); // empty: the control's own surface
    QTest::addColumn<int>("events");
    QTest::newRow("viewport") << "Picture1" << 1;
    QTest::newRow("frame") << "" << 1;
    QTest::newRow("corner box") << "picButton" << 0;
    QTest::newRow("scroll bar") << "VScroll1" << 0;
}

void PictureViewerTest::mouseDownOnlyFromViewportAndSurface()
{
    QFETCH(QString, child);
    ctrlPictureViewer viewer;
    viewer.resize(204, 154);
    viewer.SetPicture(quadrants(1000, 1000));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QWidget *target = child.isEmpty() ? &viewer : viewer.findChild<QWidget *>(child);
    QVERIFY(target && target->isVisible());
    QSignalSpy spy(&viewer, &ctrlPictureViewer::MouseDown);
    QTest::mousePress(target, Qt::LeftButton, {}, child.isEmpty() ? QPoint(1, 1) : QPoint(3, 3));
    QTEST(int(spy.count()), "events");
}

void PictureViewerTest::frameIsSunken()
{
    ctrlPictureViewer viewer;
    viewer.resize(50, 40);
    const QImage shot = viewer.grab().toImage();
    QCOMPARE(shot.pixel(10, 0), viewer.palette().color(QPalette::Dark).rgb());
    QCOMPARE(shot.pixel(10, 39), viewer.palette().color(QPalette::Light).rgb());
    QCOMPARE(shot.pixel(10, 1), viewer.palette().color(QPalette::Shadow).rgb());
    QCOMPARE(shot.pixel(48, 10), viewer.palette().color(QPalette::Midlight).rgb());
}

QTEST_MAIN(PictureViewerTest)
#include "PictureViewerTest.moc"
