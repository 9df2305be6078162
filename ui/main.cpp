#include "QtUserDialogs.h"
#include "SplashStartup.h"
#include "frmTessivaneMain.h"

#include <QApplication>
#include <QByteArray>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtUserDialogs dialogs;
    // One optional argument: a project file to open, as File > Open would. Its bytes are
    // kept as given (QApplication has taken out its own options), as a name need not be
    // valid UTF-8 and a QString would not give it back.
    const QByteArray fileToOpen = argc > 1 ? QByteArray(argv[1]) : QByteArray();

    auto createWindow = [&dialogs]() -> QWidget * {
        auto *window = new frmTessivaneMain(dialogs, QCoreApplication::applicationDirPath());
        dialogs.setOwner(window);
        return window;
    };
    auto openArgument = [&fileToOpen](QWidget *window) {
        if (!fileToOpen.isEmpty())
            static_cast<frmTessivaneMain *>(window)->openNativeFile(fileToOpen);
    };
    return runWithSplash(app, createWindow, openArgument);
}
