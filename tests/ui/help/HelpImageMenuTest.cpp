#include "HelpImageMenu.h"
#include "TestImages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What the window would show: the enabled and checked states of the four size items and the
// pictures passed to the viewer.
struct FakeWindow
{
    bool enabled[5] = {false, true, true, true, true};
    bool checked[5] = {};
    QList<QSize> pictures;

    HelpImageMenu::Hooks hooks()
    {
        return {[this](int i, bool on) { enabled[i] = on; },
                [this](int i, bool on) { checked[i] = on; },
                [this](const QPixmap &picture) { pictures << picture.size(); }, [] {}};
    }

    int checkedCount() const { return checked[1] + checked[2] + checked[3] + checked[4]; }
};

// Each size gets its own picture size so a test can tell which one the viewer got.
QSize imageSize(int index)
{
    return QSize(100 * index, 60 * index);
}

} // namespace

class HelpImageMenuTest : public QObject
{
    Q_OBJECT

private:
    void writeImages(const QString &dir, int presentMask)
    {
        for (int i = 1; i <= HelpImageMenu::Count; ++i) {
            if (presentMask & (1 << (i - 1)))
                QVERIFY(TestImages::writeImage(dir, HelpImageMenu::ImageFiles(i), imageSize(i)));
        }
    }

private slots:
    // Every combination of present files: missing ones are disabled, the first present one is
    // shown and checked, and with none nothing is shown or checked.
    void startStateForEachCombinationOfImages_data()
    {
        QTest::addColumn<int>("presentMask");
        for (int mask = 0; mask < 16; ++mask) {
            QString name;
            for (int i = 1; i <= 4; ++i)
                name += (mask & (1 << (i - 1))) ? HelpImageMenu::caption(i).left(3) : "---";
            QTest::newRow(qPrintable(name)) << mask;
        }
    }

    void startStateForEachCombinationOfImages()
    {
        QFETCH(int, presentMask);
        QTemporaryDir appDir;
        writeImages(appDir.path(), presentMask);
        FakeWindow window;
        HelpImageMenu menu(appDir.path(), window.hooks());
        menu.loadAtStart();

        int firstPresent = 0;
        for (int i = 1; i <= 4; ++i) {
            const bool present = presentMask & (1 << (i - 1));
            QCOMPARE(window.enabled[i], present);
            if (present && !firstPresent)
                firstPresent = i;
        }
        QCOMPARE(menu.checkedIndex(), firstPresent);
        if (firstPresent) {
            QCOMPARE(window.checkedCount(), 1);
            QVERIFY(window.checked[firstPresent]);
            QCOMPARE(window.pictures, QList<QSize>{imageSize(firstPresent)});
        } else {
            QCOMPARE(window.checkedCount(), 0);
            QVERIFY(window.pictures.isEmpty());
        }
    }

    void choosingASizeShowsItAndMovesTheCheckMark()
    {
        QTemporaryDir appDir;
        writeImages(appDir.path(), 0b1111);
        FakeWindow window;
        HelpImageMenu menu(appDir.path(), window.hooks());
        menu.loadAtStart();
        window.pictures.clear();

        menu.cmd_ImageSize(4);
        QCOMPARE(window.pictures, QList<QSize>{imageSize(4)});
        QCOMPARE(window.checkedCount(), 1);
        QVERIFY(window.checked[4]);
        QCOMPARE(menu.checkedIndex(), 4);
    }

    void aSizeWhoseFileWentMissingMovesTheCheckButKeepsThePicture()
    {
        QTemporaryDir appDir;
        writeImages(appDir.path(), 0b0011);
        FakeWindow window;
        HelpImageMenu menu(appDir.path(), window.hooks());
        menu.loadAtStart();
        window.pictures.clear();
        QVERIFY(QFile::remove(QDir(appDir.path()).filePath(HelpImageMenu::ImageFiles(2))));

        menu.cmd_ImageSize(2);
        QVERIFY(window.pictures.isEmpty());
        QVERIFY(window.checked[2]);
        QVERIFY(!window.checked[1]);
    }

    void indexesOutsideTheFourSizesAreIgnored()
    {
        QTemporaryDir appDir;
        writeImages(appDir.path(), 0b1111);
        FakeWindow window;
        HelpImageMenu menu(appDir.path(), window.hooks());
        menu.loadAtStart();
        window.pictures.clear();
        for (int index : {0, 5, -1, 32767})
            menu.cmd_ImageSize(index);
        QVERIFY(window.pictures.isEmpty());
        QCOMPARE(menu.checkedIndex(), 1);
    }

    // A file that is not a picture, or a picture cut short, counts as missing: its size is
    // disabled and the next picture that loads is shown and checked.
    void aPictureThatDoesNotLoadCountsAsMissing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("directory");
        QTest::newRow("text") << QByteArray("not a picture\n") << false;
        QTest::newRow("cut short") << TestImages::encoded(imageSize(1), "PNG").chopped(16) << false;
        QTest::newRow("PNG signature only") << QByteArray("\x89PNG\r\n\x1a\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("directory") << QByteArray() << true;
    }

    void aPictureThatDoesNotLoadCountsAsMissing()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, directory);
        QTemporaryDir appDir;
        const QString broken = QDir(appDir.path()).filePath(HelpImageMenu::ImageFiles(1));
        if (directory) {
            QVERIFY(QDir().mkdir(broken));
        } else {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        writeImages(appDir.path(), 0b0100);

        FakeWindow window;
        HelpImageMenu menu(appDir.path(), window.hooks());
        menu.loadAtStart();
        QVERIFY(!window.enabled[1]);
        QVERIFY(!window.enabled[2]);
        QVERIFY(window.enabled[3]);
        QCOMPARE(menu.checkedIndex(), 3);
        QCOMPARE(window.checkedCount(), 1);
        QVERIFY(window.checked[3]);
        QCOMPARE(window.pictures, QList<QSize>{imageSize(3)});

        // Chosen anyway (the item is disabled, the call is the window's): like a missing
        // file, the picture stays and the check mark moves.
        window.pictures.clear();
        menu.cmd_ImageSize(1);
        QVERIFY(window.pictures.isEmpty());
        QVERIFY(window.checked[1]);
        QVERIFY(menu.LoadHelpImage(HelpImageMenu::ImageFiles(1)).isNull());
    }
};

QTEST_MAIN(HelpImageMenuTest)
#include "HelpImageMenuTest.moc"
