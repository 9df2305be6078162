#include "DocumentOpener.h"
#include "FakeLauncher.h"
#include "FakeUserDialogs.h"
#include "HelpResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class DocumentOpenerTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_launcher = FakeLauncher();
        m_dialogs.reset();
        QVERIFY(m_dir.isValid());
        m_memo = QDir(m_dir.path()).filePath(HelpResources::TechnicalMemoFileName);
        QFile memo(m_memo);
        QVERIFY(memo.open(QIODevice::WriteOnly));
        memo.write("%PDF-1.4\n");
    }

    void quotingRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("plain") << "/opt/app/Design Manual.pdf"
                               << "\"/opt/app/Design Manual.pdf\"";
        QTest::newRow("already quoted") << "\"/opt/app/a b.pdf\""
                                        << "\"/opt/app/a b.pdf\"";
        QTest::newRow("quote in front only") << "\"/opt/a b.pdf"
                                             << "\"/opt/a b.pdf\"";
        QTest::newRow("quote at end only") << "/opt/a b.pdf\""
                                           << "\"/opt/a b.pdf\"";
        QTest::newRow("empty") << ""
                               << "\"\"";
    }

    void quotingRule()
    {
        QFETCH(QString, name);
        QFETCH(QString, quoted);
        QCOMPARE(DocumentOpener::quotedFileName(name), quoted);
    }

    void anExistingDocumentIsStartedWithItsPathAsOneArgument()
    {
        DocumentOpener opener(m_launcher, m_dialogs);
        opener.ShowFile(m_memo);
        QCOMPARE(m_launcher.starts.size(), 1);
        QCOMPARE(m_launcher.starts.first(), qMakePair(QStringLiteral("Viewer"), m_memo));
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void aRelativeNameIsStartedAsAnAbsolutePath()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        DocumentOpener opener(m_launcher, m_dialogs);
        opener.ShowFile(QStringLiteral("./") + HelpResources::TechnicalMemoFileName);
        QDir::setCurrent(previous);
        QCOMPARE(m_launcher.starts.size(), 1);
        QCOMPARE(m_launcher.starts.first().second, QFileInfo(m_memo).absoluteFilePath());
    }

    void aMissingDocumentDoesNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("no such file") << QDir(m_dir.path()).filePath("Tessivane Design Manual.pdf");
        QTest::newRow("a directory") << m_dir.path();
        QTest::newRow("empty name") << QString();
    }

    void aMissingDocumentDoesNothing()
    {
        QFETCH(QString, path);
        DocumentOpener opener(m_launcher, m_dialogs);
        opener.ShowFile(path);
        QVERIFY(m_launcher.filesLookedUp.isEmpty());
        QVERIFY(m_launcher.starts.isEmpty());
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void documentFailuresAreReported_data()
    {
        QTest::addColumn<bool>("hasProgram");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("startsTried");
        QTest::newRow("no associated program")
            << false << "Could not find default executable for\r\n"
            << "Error" << 0;
        QTest::newRow("program fails to start") << true << "File not opened\r\n"
                                                << "URL Failed" << 1;
    }

    void documentFailuresAreReported()
    {
        QFETCH(bool, hasProgram);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, startsTried);
        if (!hasProgram)
            m_launcher.fileProgram.reset();
        m_launcher.startSucceeds = false;
        DocumentOpener opener(m_launcher, m_dialogs);
        opener.ShowFile(m_memo);
        QCOMPARE(m_launcher.starts.size(), startsTried);
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.first().kind, FakeUserDialogs::Shown::Error);
        QCOMPARE(m_dialogs.shown.first().text, text + m_memo);
        QCOMPARE(m_dialogs.shown.first().title, title);
    }

    void theWebSiteOpensInTheBrowser()
    {
        QVERIFY(QUrl(HelpResources::WebSiteAddress).scheme() == QStringLiteral("https"));
        DocumentOpener opener(m_launcher, m_dialogs);
        opener.ShowWebPage(HelpResources::WebSiteAddress);
        QCOMPARE(m_launcher.starts.size(), 1);
        QCOMPARE(m_launcher.starts.first(),
                 qMakePair(QStringLiteral("Browser"), HelpResources::WebSiteAddress));
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void webFailuresAreReported_data()
    {
        QTest::addColumn<bool>("hasBrowser");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("no browser") << false << "Could not find default browser."
                                    << "Error";
        QTest::newRow("browser fails to start") << true << "Web page not opened."
                                                << "URL Failed";
    }

    void webFailuresAreReported()
    {
        QFETCH(bool, hasBrowser);
        QFETCH(QString, text);
        QFETCH(QString, title);
        if (!hasBrowser)
            m_launcher.browser.reset();
        m_launcher.startSucceeds = false;
        const QStringList before = QDir(QCoreApplication::applicationDirPath()).entryList();
        DocumentOpener opener(m_launcher, m_dialogs);
        opener.ShowWebPage(HelpResources::WebSiteAddress);
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.first().kind, FakeUserDialogs::Shown::Error);
        QCOMPARE(m_dialogs.shown.first().text, text);
        QCOMPARE(m_dialogs.shown.first().title, title);
        // Nothing is written beside the program, successful or not.
        QCOMPARE(QDir(QCoreApplication::applicationDirPath()).entryList(), before);
    }

private:
    QTemporaryDir m_dir;
    QString m_memo;
    FakeLauncher m_launcher;
    FakeUserDialogs m_dialogs;
};

QTEST_MAIN(DocumentOpenerTest)
#include "DocumentOpenerTest.moc"
