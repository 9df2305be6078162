#include "frmTessivaneSignOn.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <utility>

frmTessivaneSignOn::frmTessivaneSignOn(const QString &appDir, MainWindowFactory createMainWindow,
                                       int timerInterval, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(appDir),
      m_createMainWindow(std::move(createMainWindow)), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmTessivaneSignOn"));
    setWindowTitle(SignOnPicture::programName());
    setFixedSize(m_picture.size());
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(timerInterval);
    connect(Timer1, &QTimer::timeout, this, &frmTessivaneSignOn::Timer1_Timer);
    Timer1->start();
}

void frmTessivaneSignOn::showEvent(QShowEvent *event)
{
    centreOnScreen();
    QWidget::showEvent(event);
}

void frmTessivaneSignOn::centreOnScreen()
{
    const QScreen *target = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!target)
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(target->availableGeometry().center());
    move(frame.topLeft());
}

void frmTessivaneSignOn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_picture.paint(painter);
    if (!m_loadRequested) {
        m_loadRequested = true;
        // The painted pixels reach the screen only after this handler returns, so the load
        // runs as the next event: the user sees the splash while the main window loads.
        QMetaObject::invokeMethod(this, &frmTessivaneSignOn::loadMainWindow, Qt::QueuedConnection);
    }
}

void frmTessivaneSignOn::loadMainWindow()
{
    if (MainLoaded)
        return;
    m_mainWindow = m_createMainWindow ? m_createMainWindow() : nullptr;
    MainLoaded = true;
    emit mainWindowLoaded(m_mainWindow);
}

void frmTessivaneSignOn::Timer1_Timer()
{
    if (!MainLoaded)
        return;
    Timer1->stop();
    hide();
    if (m_mainWindow) {
        m_mainWindow->show();
        emit mainWindowShown(m_mainWindow);
    } else {
        QCoreApplication::exit(1);
    }
    deleteLater();
}

void frmTessivaneSignOn::closeEvent(QCloseEvent *event)
{
    // Closed before the hand-over (by the user, or as the session ends): no hand-over follows
    // and the program ends. A splash window does not count as the application's last window,
    // so the event loop is ended here.
    if (Timer1->isActive()) {
        Timer1->stop();
        QCoreApplication::exit(0);
    }
    event->accept();
}
