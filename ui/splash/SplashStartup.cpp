#include "SplashStartup.h"

#include "frmTessivaneSignOn.h"

#include <QApplication>
#include <QPointer>

int runWithSplash(QApplication &app, const std::function<QWidget *()> &createMainWindow,
                  const std::function<void(QWidget *)> &whenShown)
{
    return runWithSplash(app, createMainWindow, QCoreApplication::applicationDirPath(),
                         frmTessivaneSignOn::defaultInterval, whenShown);
}

int runWithSplash(QApplication &app, const std::function<QWidget *()> &createMainWindow,
                  const QString &appDir, int timerInterval,
                  const std::function<void(QWidget *)> &whenShown)
{
    QPointer<QWidget> mainWindow;
    QPointer<frmTessivaneSignOn> splash = new frmTessivaneSignOn(
        appDir,
        [&]() -> QWidget * {
            mainWindow = createMainWindow();
            return mainWindow;
        },
        timerInterval);
    if (whenShown) {
        // Queued, so that the splash has finished its hand-over first.
        QObject::connect(splash, &frmTessivaneSignOn::mainWindowShown, &app, whenShown,
                         Qt::QueuedConnection);
    }
    splash->show();
    const int exitCode = app.exec();
    delete splash.data(); // only still alive when the loop ended before the hand-over
    delete mainWindow.data();
    return exitCode;
}
