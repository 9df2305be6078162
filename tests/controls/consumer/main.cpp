// Creates the picture viewer by its registered class name and shows a picture through its
// dispatch ids, as any program would that does not link the library.
#include "VeldoControlHost.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QString error;
    QWidget *viewer = VeldoHost::ControlHost::createControl(
        QStringLiteral("VeldoSharedControls.ctrlPictureViewer"), nullptr, &error);
    QPixmap picture(300, 200);
    picture.fill(Qt::darkGreen);
    QVariant width;
    if (!viewer ||
        !VeldoHost::DispatchInvoker::invoke(viewer, 0x6003000F, {QVariant::fromValue(picture)},
                                            nullptr, &error) ||
        !VeldoHost::DispatchInvoker::invoke(viewer, 0x68030003, {}, &width, &error) ||
        width.toInt() != 300) {
        std::fprintf(stderr, "consumer: %s\n", qPrintable(error));
        return 1;
    }
    delete viewer;
    return 0;
}
