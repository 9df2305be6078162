#pragma once

#include <QString>
#include <functional>

class QApplication;
class QWidget;

// The program's start: shows the splash, which loads the main window through the factory and
// hands over to it, then runs the event loop. whenShown, if given, runs once right after the
// main window appeared (for work that may show dialogs over it, such as opening a file named
// on the command line). The main window returned by the factory is deleted here when the
// event loop ends, unless it deleted itself before. Returns the event loop's exit code (1 when
// the factory gave no window).
int runWithSplash(QApplication &app, const std::function<QWidget *()> &createMainWindow,
                  const std::function<void(QWidget *)> &whenShown = {});

// Same, with the application directory and the splash interval given (for tests and tools).
int runWithSplash(QApplication &app, const std::function<QWidget *()> &createMainWindow,
                  const QString &appDir, int timerInterval,
                  const std::function<void(QWidget *)> &whenShown = {});
