// What a host program does with the picture viewer, knowing only its class name and the dispatch
// ids of SetPicture and Refresh: create it from the registry, show a PNG, scroll it.
//   picture-viewer-demo [--check] [--seconds N] [PNG]
// --check verifies the scrolled view on any platform (used by the tests); without it the window
// stays up for N seconds (default 10) so it can be looked at.
#include "VeldoControlHost.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdint>
#include <cstdio>

namespace {
constexpr std::uint32_t dispSetPicture = 0x6003000F;
constexpr std::uint32_t dispRefresh = 0x60030011;

// A dimensioned diagram larger than the window, so both bars appear.
QString writeSamplePng(const QString &dir)
{
    QImage image(900, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x50, 0x80), 2));
    for (int x = 0; x < 900; x += 50)
        p.drawLine(x, 0, x, 700);
    for (int y = 0; y < 700; y += 50)
        p.drawLine(0, y, 900, y);
    p.setBrush(QColor(0xC0, 0xA0, 0x60));
    p.drawRect(100, 400, 700, 200);
    p.setBrush(QColor(0x70, 0x90, 0xB0));
    for (int i = 0; i < 5; ++i)
        p.drawChord(QRect(130 + i * 130, 330, 110, 200), 0, 180 * 16);
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 20));
    p.drawText(QRect(0, 20, 900, 60), Qt::AlignCenter, QStringLiteral("Sample picture"));
    p.fillRect(QRect(0, 0, 450, 350), QColor(255, 0, 0, 40));
    p.end();
    const QString path = dir + QStringLiteral("/picture-viewer-sample.png");
    image.save(path);
    return path;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "picture-viewer-demo: %s\n", qPrintable(message));
    return 1;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("check"), QStringLiteral("Verify and exit.")});
    parser.addOption({QStringLiteral("seconds"), QStringLiteral("Time on screen."),
                      QStringLiteral("N"), QStringLiteral("10")});
    parser.addPositionalArgument(QStringLiteral("PNG"), QStringLiteral("Picture to show."));
    parser.process(app);

    QString png = parser.positionalArguments().value(0);
    if (png.isEmpty())
        png = writeSamplePng(QDir::tempPath());
    QImageReader reader(png);
    const QPixmap picture = QPixmap::fromImageReader(&reader);
    if (picture.isNull())
        return fail(QStringLiteral("cannot read %1: %2").arg(png, reader.errorString()));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Picture viewer demo"));
    window.resize(520, 400);
    QString error;
    QWidget *viewer = VeldoHost::ControlHost::createControl(
        QStringLiteral("VeldoSharedControls.ctrlPictureViewer"), &window, &error);
    if (!viewer)
        return fail(error);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(viewer);
    window.show();
    layout->activate();

    if (!VeldoHost::DispatchInvoker::invoke(viewer, dispSetPicture, {picture}, nullptr, &error))
        return fail(error);

    // Scroll as a user dragging both thumbs half-way would.
    const QList<QScrollBar *> bars = viewer->findChildren<QScrollBar *>();
    for (QScrollBar *bar : bars)
        bar->setValue(bar->maximum() / 2);
    VeldoHost::DispatchInvoker::invoke(viewer, dispRefresh);

    if (parser.isSet(QStringLiteral("check"))) {
        QPoint offset;
        for (QScrollBar *bar : bars) {
            if (bar->isHidden() || bar->value() == 0)
                return fail(QStringLiteral("a scroll bar is missing or did not scroll"));
            (bar->orientation() == Qt::Horizontal ? offset.rx() : offset.ry()) = bar->value();
        }
        // The viewport's top-left pixel must be the picture's pixel at the scroll offset.
        const QImage shot = viewer->grab().toImage();
        const QColor shown = shot.pixelColor(2, 2);
        const QColor expected = picture.toImage().pixelColor(offset);
        if (bars.size() != 2 || shown != expected)
            return fail(QStringLiteral("the view shows %1, the picture has %2 at (%3, %4)")
                            .arg(shown.name(), expected.name())
                            .arg(offset.x())
                            .arg(offset.y()));
        std::printf("picture-viewer-demo: scrolled to (%d, %d), view matches the picture\n",
                    offset.x(), offset.y());
        return 0;
    }
    QTimer::singleShot(parser.value(QStringLiteral("seconds")).toInt() * 1000, &app,
                       &QApplication::quit);
    return app.exec();
}
