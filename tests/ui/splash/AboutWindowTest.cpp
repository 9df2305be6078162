#include "TestImages.h"
#include "frmAboutTessivane.h"

#include "TessivaneVersion.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

class AboutWindowTest : public QObject
{
    Q_OBJECT

private:
    QLabel *label(frmAboutTessivane &about)
    {
        return about.findChild<QLabel *>(QStringLiteral("Label1"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_withBitmap.isValid());
        QVERIFY(m_withoutBitmap.isValid());
        QVERIFY(TestImages::writeImage(m_withBitmap.path(), QStringLiteral("SignOn.bmp"),
                                       QSize(480, 280), "BMP"));
    }

    void versionStringHasNoLeadingZeros_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("patch");
        QTest::addColumn<QString>("expected");
        QTest::newRow("shipped") << 1 << 0 << 0 << "1.0.0";
        QTest::newRow("two digits") << 2 << 10 << 7 << "2.10.7";
    }

    void versionStringHasNoLeadingZeros()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, patch);
        QFETCH(QString, expected);
        QCOMPARE(frmAboutTessivane::versionString(major, minor, patch), expected);
    }

    void labelShowsTheProgramsVersionInBoldAtItsPlace()
    {
        frmAboutTessivane about(m_withBitmap.path());
        QLabel *version = label(about);
        QVERIFY(version);
        QCOMPARE(version->text(), QStringLiteral("Version %1.%2.%3")
                                      .arg(TESSIVANE_VERSION_MAJOR)
                                      .arg(TESSIVANE_VERSION_MINOR)
                                      .arg(TESSIVANE_VERSION_PATCH));
        QVERIFY(QRegularExpression(QStringLiteral("^Version [1-9]?\\d+\\.\\d+\\.\\d+$"))
                    .match(version->text())
                    .hasMatch());
        QVERIFY(version->font().bold());
        QCOMPARE(version->font().pointSizeF(), 8.25);
        const int left = int(std::lround(5025 * about.logicalDpiX() / 1440.0));
        const int top = int(std::lround(3210 * about.logicalDpiY() / 1440.0));
        QCOMPARE(version->pos(), QPoint(left, top));
        // The label sizes itself to its text, which stays inside the bitmap.
        QVERIFY(about.rect().contains(version->geometry()));
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QVERIFY(about.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    void sizedFromTheBitmapOrAPlainWindowWithoutIt()
    {
        frmAboutTessivane with(m_withBitmap.path());
        QVERIFY(with.hasSignOnBitmap());
        QCOMPARE(with.size(), QSize(480, 280));

        frmAboutTessivane without(m_withoutBitmap.path());
        QVERIFY(!without.hasSignOnBitmap());
        QCOMPARE(without.size(), SignOnPicture::fallbackSize);
        QVERIFY(without.rect().contains(label(without)->geometry()));
    }

    void enterAndEscapeCloseOtherKeysDoNot_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Return") << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << false;
        QTest::newRow("letter A") << int(Qt::Key_A) << false;
    }

    void enterAndEscapeCloseOtherKeysDoNot()
    {
        QFETCH(int, key);
        QFETCH(bool, closes);
        frmAboutTessivane about(m_withBitmap.path());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&about, &press);
        QCOMPARE(about.isVisible(), !closes);
        // The key is consumed either way, so nothing behind the box sees it.
        QVERIFY(press.isAccepted());
    }

    void aClickOnTheWindowOrTheLabelCloses_data()
    {
        QTest::addColumn<bool>("onLabel");
        QTest::newRow("window") << false;
        QTest::newRow("label") << true;
    }

    void aClickOnTheWindowOrTheLabelCloses()
    {
        QFETCH(bool, onLabel);
        frmAboutTessivane about(m_withBitmap.path());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint where =
            onLabel ? label(about)->geometry().center() : QPoint(20, about.height() - 20);
        // Clicks reach the window the way a real click does: at the widget under the pointer.
        QWidget *target = about.childAt(where);
        if (target)
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&about, where));
        else
            QTest::mouseClick(&about, Qt::LeftButton, {}, where);
        QVERIFY(!about.isVisible());
    }

    void showModalReturnsWhenClosedAndCentresOnTheOwner()
    {
        QWidget owner;
        owner.setGeometry(100, 80, 900, 700);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QPoint aboutCentre;
        bool wasModal = false;
        QTimer::singleShot(50, [&] {
            auto *about = qobject_cast<frmAboutTessivane *>(QApplication::activeModalWidget());
            if (!about)
                return;
            wasModal = about->isModal() && about->parentWidget() == &owner;
            aboutCentre = about->geometry().center();
            QTest::keyClick(about, Qt::Key_Escape);
        });
        frmAboutTessivane::showModal(&owner, m_withoutBitmap.path());
        QVERIFY(wasModal);
        QVERIFY((aboutCentre - owner.frameGeometry().center()).manhattanLength() <= 2);
    }

private:
    QTemporaryDir m_withBitmap;
    QTemporaryDir m_withoutBitmap;
};

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
