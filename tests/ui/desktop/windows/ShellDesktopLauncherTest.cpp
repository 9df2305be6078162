// The Windows desktop layer on the system's own associations (under wine in the test command):
// what the user sees for a document no program is registered for, and the program the shell
// names for a settings file (".ini": Windows and wine both register a text editor for it).
#include "ShellDesktopLauncher.h"
#include "DocumentOpener.h"
#include "FakeUserDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class ShellDesktopLauncherTest : public QObject
{
    Q_OBJECT

private slots:
    void documentOfUnknownTypeIsReportedNotStarted()
    {
        const QString path = writeFile(QStringLiteral("Notes.tvzq9"));
        ShellDesktopLauncher launcher;
        FakeUserDialogs dialogs;
        DocumentOpener(launcher, dialogs).ShowFile(path);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown.first().text,
                 QStringLiteral("Could not find default executable for\r\n") + path);
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Error"));
    }

    void settingsFileHasAnInstalledProgram()
    {
        ShellDesktopLauncher launcher;
        const auto program = launcher.programForFile(writeFile(QStringLiteral("settings.ini")));
        QVERIFY(program);
        QVERIFY2(QFileInfo(program->exec).isFile(), qPrintable(program->exec));
        QVERIFY(!program->name.isEmpty());
    }

private:
    QString writeFile(const QString &name)
    {
        const QString path = QDir(m_dir.path()).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("text\r\n") < 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(ShellDesktopLauncherTest)
#include "ShellDesktopLauncherTest.moc"
