#include "SplashStartup.h"

#include "frmTessivaneSignOn.h"

#include <QApplication>
#include <QPointer>

int runWithSplash(QApplication &app, const std::function<QWidget *()> &createMainWindow)
{
    return runWithSplash(app, createMainWindow, QCoreApplication::applicationDirPath(),
                         frmTessivaneSignOn::defaultInterval);
}

int runWithSplash(QApplication &app, const std::function<QWidget *()> &createMainWindow,
                  const QString &appDir, int timerInterval)
{
    QPointer<QWidget> mainWindow;
    QPointer<frmTessivaneSignOn> splash = new frmTessivaneSignOn(
        appDir,
        [&]() -> QWidget * {
            mainWindow = createMainWindow();
            return mainWindow;
        },
        timerInterval);
    splash->show();
    const int exitCode = app.exec();
    delete splash.data(); // only still alive when the loop ended before the hand-over
    delete mainWindow.data();
    return exitCode;
}
