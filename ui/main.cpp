#include "QtUserDialogs.h"
#include "frmTessivaneMain.h"

#include <QApplication>
#include <QStringList>

#include <memory>

#if TESSIVANE_HAVE_UI_HELP
#include "SplashStartup.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtUserDialogs dialogs;
    // One optional argument: a project file to open, as File > Open would.
    const QStringList arguments = QCoreApplication::arguments();
    const QString fileToOpen = arguments.size() > 1 ? arguments.at(1) : QString();

    auto createWindow = [&dialogs]() -> QWidget * {
        auto *window = new frmTessivaneMain(dialogs, QCoreApplication::applicationDirPath());
        dialogs.setOwner(window);
        return window;
    };
    auto openArgument = [&fileToOpen](QWidget *window) {
        if (!fileToOpen.isEmpty())
            static_cast<frmTessivaneMain *>(window)->openFile(fileToOpen);
    };
#if TESSIVANE_HAVE_UI_HELP
    return runWithSplash(app, createWindow, openArgument);
#else
    std::unique_ptr<QWidget> window(createWindow());
    window->show();
    openArgument(window.get());
    return app.exec();
#endif
}
