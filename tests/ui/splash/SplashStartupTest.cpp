#include "SplashStartup.h"
#include "PictureFileLoader.h"
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
#include <QtEndian>

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

// A bitmap file header and info header (40 bytes) or old core header (12 bytes).
QByteArray bitmapHeader(quint32 infoSize, qint32 width, qint32 height, quint16 bitsPerPixel,
                        quint32 compression = 0, quint32 dataSize = 0, quint32 pixelOffset = 0)
{
    QByteArray bytes(14 + qsizetype(infoSize), '\0');
    auto put32 = [&bytes](int at, quint32 value) { qToLittleEndian(value, bytes.data() + at); };
    auto put16 = [&bytes](int at, quint16 value) { qToLittleEndian(value, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(10, pixelOffset ? pixelOffset : 14 + infoSize);
    put32(14, infoSize);
    if (infoSize == 12) {
        put16(18, quint16(width));
        put16(20, quint16(height));
        put16(22, 1);
        put16(24, bitsPerPixel);
    } else {
        put32(18, quint32(width));
        put32(22, quint32(height));
        put16(26, 1);
        put16(28, bitsPerPixel);
        put32(30, compression);
        put32(34, dataSize);
    }
    return bytes;
}

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

    // The header alone decides whether a bitmap is complete; sizes that do not fit in 32 bits
    // and offsets past the end are answered, not overflowed.
    void bitmapHeadersAreCheckedAgainstTheFileSize_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<qint64>("fileSize");
        QTest::addColumn<bool>("complete");
        // 3 x 2 pixels at 24 bits: rows of 12 bytes after a 54-byte header.
        QTest::newRow("complete") << bitmapHeader(40, 3, 2, 24) << qint64(78) << true;
        QTest::newRow("one byte short") << bitmapHeader(40, 3, 2, 24) << qint64(77) << false;
        QTest::newRow("top-down rows") << bitmapHeader(40, 3, -2, 24) << qint64(78) << true;
        QTest::newRow("old core header") << bitmapHeader(12, 2, 2, 24) << qint64(42) << true;
        QTest::newRow("huge size, small file")
            << bitmapHeader(40, 0x7fffffff, 0x7fffffff, 32) << qint64(1000) << false;
        QTest::newRow("run-length data cut short")
            << bitmapHeader(40, 3, 2, 8, 1, 400) << qint64(300) << false;
        QTest::newRow("pixels past the end")
            << bitmapHeader(40, 3, 2, 24, 0, 0, 0xffffffffu) << qint64(78) << false;
    }

    void bitmapHeadersAreCheckedAgainstTheFileSize()
    {
        QFETCH(QByteArray, header);
        QFETCH(qint64, fileSize);
        QFETCH(bool, complete);
        QCOMPARE(PictureFileLoader::isCompleteBitmap(header, fileSize), complete);
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
        // The platform's reader would report success with the missing rows black.
        const QByteArray bitmapBytes = TestImages::encoded(QSize(300, 200), "BMP");
        QTest::newRow("bitmap cut short")
            << bitmapBytes.left(bitmapBytes.size() - 600) << SignOnPicture::fallbackSize << false;
        QTest::newRow("bitmap one byte short")
            << bitmapBytes.left(bitmapBytes.size() - 1) << SignOnPicture::fallbackSize << false;
        QTest::newRow("picture cut short under the bitmap's name")
            << TestImages::encoded(QSize(300, 200), "PNG").left(200) << SignOnPicture::fallbackSize
            << false;
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
