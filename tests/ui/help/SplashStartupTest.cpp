#include "SplashStartup.h"
#include "TestImages.h"
#include "frmTessivaneSignOn.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A main window whose load takes a while and that notes what the user could see.
class FakeMainWindow : public QWidget
{
public:
    FakeMainWindow(QStringList &log, int loadMilliseconds, QPointer<QWidget> splash) : m_log(log)
    {
        m_log << QStringLiteral("load begins");
        splashVisibleDuringLoad = splash && splash->isVisible();
        // Events keep flowing while the window loads, as they do when it builds its widgets.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < loadMilliseconds)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        loaded = true;
        m_log << QStringLiteral("load ends");
    }

    bool loaded = false;
    bool splashVisibleDuringLoad = false;
    bool shownBeforeLoaded = false;

protected:
    void showEvent(QShowEvent *) override
    {
        shownBeforeLoaded = shownBeforeLoaded || !loaded;
        m_log << QStringLiteral("main shown");
    }

private:
    QStringList &m_log;
};

} // namespace

class SplashStartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_log.clear();
        m_factoryCalls = 0;
        QVERIFY(m_appDir.isValid());
        QFile::remove(QDir(m_appDir.path()).filePath(QStringLiteral("SignOn.bmp")));
    }

    void handsOverOnlyAfterTheMainWindowLoaded_data()
    {
        QTest::addColumn<int>("loadMilliseconds");
        QTest::addColumn<int>("timerInterval");
        QTest::newRow("load shorter than the wait") << 0 << 40;
        QTest::newRow("load spanning several ticks") << 150 << 20;
    }

    void handsOverOnlyAfterTheMainWindowLoaded()
    {
        QFETCH(int, loadMilliseconds);
        QFETCH(int, timerInterval);
        FakeMainWindow *main = nullptr;
        QPointer<frmTessivaneSignOn> splash;
        splash = new frmTessivaneSignOn(
            m_appDir.path(),
            [&]() -> QWidget * {
                ++m_factoryCalls;
                main = new FakeMainWindow(m_log, loadMilliseconds, splash.data());
                return main;
            },
            timerInterval);
        splash->show();
        QTRY_VERIFY(main && main->isVisible());
        std::unique_ptr<FakeMainWindow> owner(main);

        QCOMPARE(m_factoryCalls, 1);
        QVERIFY(main->splashVisibleDuringLoad);
        QVERIFY(!main->shownBeforeLoaded);
        QCOMPARE(m_log, QStringList({"load begins", "load ends", "main shown"}));
        QTRY_VERIFY(splash.isNull());
    }

    void waitsForTheTimerAfterLoading()
    {
        FakeMainWindow *main = nullptr;
        auto *splash = new frmTessivaneSignOn(m_appDir.path(), [&]() -> QWidget * {
            main = new FakeMainWindow(m_log, 0, nullptr);
            return main;
        });
        splash->show();
        QTRY_VERIFY(splash->isMainLoaded());
        std::unique_ptr<FakeMainWindow> owner(main);
        QCOMPARE(splash->mainWindow(), main);
        QVERIFY(splash->isVisible());
        QVERIFY(!main->isVisible());
        delete splash;
    }

    void comesUpCentredAtTheBitmapsSize_data()
    {
        QTest::addColumn<QByteArray>("bitmap");
        QTest::addColumn<QSize>("expectedSize");
        QTest::addColumn<bool>("bitmapUsed");
        QTest::newRow("readable bitmap") << QByteArray("BMP") << QSize(300, 200) << true;
        QTest::newRow("missing bitmap") << QByteArray() << SignOnPicture::fallbackSize << false;
        QTest::newRow("unreadable bitmap")
            << QByteArray("BM not really a bitmap") << SignOnPicture::fallbackSize << false;
    }

    void comesUpCentredAtTheBitmapsSize()
    {
        QFETCH(QByteArray, bitmap);
        QFETCH(QSize, expectedSize);
        QFETCH(bool, bitmapUsed);
        const QString path = QDir(m_appDir.path()).filePath(QStringLiteral("SignOn.bmp"));
        if (bitmap == "BMP") {
            QVERIFY(TestImages::writeImage(m_appDir.path(), QStringLiteral("SignOn.bmp"),
                                           QSize(300, 200), "BMP"));
        } else if (!bitmap.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bitmap);
        }
        FakeMainWindow *main = nullptr;
        QPointer<frmTessivaneSignOn> splash = new frmTessivaneSignOn(
            m_appDir.path(),
            [&]() -> QWidget * {
                main = new FakeMainWindow(m_log, 0, nullptr);
                return main;
            },
            30);
        QCOMPARE(splash->hasSignOnBitmap(), bitmapUsed);
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        splash->show();
        QCOMPARE(splash->size(), expectedSize);
        const QPoint screenCentre = splash->screen()->availableGeometry().center();
        QVERIFY((splash->geometry().center() - screenCentre).manhattanLength() <= 2);

        QTRY_VERIFY(main && main->isVisible());
        delete main;
        QTRY_VERIFY(splash.isNull());
    }

    void runWithSplashRunsTheProgramAndCleansUp()
    {
        QPointer<QWidget> main;
        QList<bool> visibleWhenShownRan;
        const int exitCode = runWithSplash(
            *qApp,
            [&]() -> QWidget * {
                main = new FakeMainWindow(m_log, 0, nullptr);
                return main;
            },
            m_appDir.path(), 20,
            [&](QWidget *shown) {
                visibleWhenShownRan << (shown == main && shown->isVisible());
                m_log << QStringLiteral("after shown");
                // The user closes the window, which ends the program.
                QTimer::singleShot(0, shown, &QWidget::close);
            });
        QCOMPARE(exitCode, 0);
        QCOMPARE(visibleWhenShownRan, QList<bool>{true});
        QCOMPARE(m_log, QStringList({"load begins", "load ends", "main shown", "after shown"}));
        QVERIFY(main.isNull());
    }

    void theProgramCanEndWhileTheSplashIsUp_data()
    {
        QTest::addColumn<bool>("closeSplash");
        QTest::newRow("splash closed") << true;
        QTest::newRow("application quits") << false;
    }

    void theProgramCanEndWhileTheSplashIsUp()
    {
        QFETCH(bool, closeSplash);
        QPointer<QWidget> main;
        bool mainEverShown = false;
        auto *ender = new QTimer;
        connect(ender, &QTimer::timeout, [&] {
            if (!main)
                return;
            mainEverShown = mainEverShown || main->isVisible();
            if (closeSplash) {
                for (QWidget *window : QApplication::topLevelWidgets()) {
                    if (qobject_cast<frmTessivaneSignOn *>(window))
                        window->close();
                }
            } else {
                QCoreApplication::quit();
            }
        });
        ender->start(10);
        // A splash wait far longer than the test may take.
        const int exitCode = runWithSplash(
            *qApp,
            [&]() -> QWidget * {
                main = new FakeMainWindow(m_log, 0, nullptr);
                return main;
            },
            m_appDir.path(), 10 * 60 * 1000);
        delete ender;
        QCOMPARE(exitCode, 0);
        QVERIFY(!mainEverShown);
        QVERIFY(!m_log.contains(QStringLiteral("main shown")));
        QVERIFY(main.isNull());
    }

    void aMainWindowThatFailsToLoadEndsTheProgram()
    {
        const int exitCode = runWithSplash(
            *qApp, [] { return static_cast<QWidget *>(nullptr); }, m_appDir.path(), 20);
        QCOMPARE(exitCode, 1);
    }

private:
    QTemporaryDir m_appDir;
    QStringList m_log;
    int m_factoryCalls = 0;
};

QTEST_MAIN(SplashStartupTest)
#include "SplashStartupTest.moc"
