#pragma once

#include "SignOnPicture.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QTimer;

// The start-up window. While it is on screen it loads the main window without showing it;
// on the first timer tick after that load it hides, shows the main window and deletes itself.
//
// The factory must return a fully loaded main window (its whole start-up sequence done) and
// must not show it. The splash does not take ownership; the main window lives on after the
// splash is gone. A factory returning nullptr ends the program at the hand-over with exit
// code 1; closing the splash before the hand-over ends it with exit code 0.
class frmTessivaneSignOn : public QWidget
{
    Q_OBJECT

public:
    using MainWindowFactory = std::function<QWidget *()>;
    static constexpr int defaultInterval = 1750;

    frmTessivaneSignOn(const QString &appDir, MainWindowFactory createMainWindow,
                       int timerInterval = defaultInterval, QWidget *parent = nullptr);

    bool isMainLoaded() const { return MainLoaded; }
    QWidget *mainWindow() const { return m_mainWindow; }
    bool hasSignOnBitmap() const { return m_picture.isLoaded(); }

signals:
    // Emitted once the main window's load has completed, before it is shown.
    void mainWindowLoaded(QWidget *mainWindow);
    // Emitted right after the hand-over showed the main window.
    void mainWindowShown(QWidget *mainWindow);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void loadMainWindow();
    void Timer1_Timer();
    void centreOnScreen();

    SignOnPicture m_picture;
    MainWindowFactory m_createMainWindow;
    QTimer *Timer1;
    bool MainLoaded = false;
    bool m_loadRequested = false;
    QPointer<QWidget> m_mainWindow;
};
