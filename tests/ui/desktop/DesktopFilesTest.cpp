// The desktop integration files of the install folder, read the way a desktop reads them:
// the project file type is registered with a MIME database built from our package file, and
// the menu entry opens such files with the calculator.
#include "DesktopEntry.h"
#include "MimeAssociations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString installDir = QStringLiteral(TESSIVANE_INSTALL_SOURCE_DIR);
const QString projectType = QStringLiteral("application/x-tessivane-project");
// An installed prefix off the PATH, with characters the entry's Exec line must quote.
const QString launcherUnder = QStringLiteral("/opt/Tessivane $(Apps) 100% \"it's\"/bin/tessivane");

// Writes the menu entry the way the install does, for a launcher at `launcher`.
bool configureEntry(const QString &output, const QString &launcher)
{
    return QProcess::execute(QStringLiteral(TESSIVANE_CMAKE_COMMAND),
                             {QStringLiteral("-DTEMPLATE=") + installDir +
                                  QStringLiteral("/tessivane.desktop.in"),
                              QStringLiteral("-DOUTPUT=") + output,
                              QStringLiteral("-DLAUNCHER=") + launcher, QStringLiteral("-P"),
                              installDir + QStringLiteral("/ConfigureDesktopEntry.cmake")}) == 0;
}

} // namespace

class DesktopFilesTest : public QObject
{
    Q_OBJECT

public:
    // The MIME database must be in place before Qt reads it for the first time.
    static bool prepareDataDir(const QString &dataDir)
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (tool.isEmpty())
            return false;
        QDir().mkpath(dataDir + QStringLiteral("/mime/packages"));
        QDir().mkpath(dataDir + QStringLiteral("/applications"));
        const QString launcher = dataDir + launcherUnder;
        QDir().mkpath(QFileInfo(launcher).absolutePath());
        QFile program(launcher);
        if (!program.open(QIODevice::WriteOnly) || program.write("#!/bin/sh\n") < 0 ||
            !program.setPermissions(program.permissions() | QFileDevice::ExeOwner))
            return false;
        program.close();
        if (!QFile::copy(installDir + QStringLiteral("/tessivane-mime.xml"),
                         dataDir + QStringLiteral("/mime/packages/tessivane.xml")) ||
            !configureEntry(dataDir + QStringLiteral("/applications/tessivane.desktop"), launcher))
            return false;
        if (QProcess::execute(tool, {dataDir + QStringLiteral("/mime")}) != 0)
            return false;
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataDir + QStringLiteral("/home")));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(dataDir + QStringLiteral(":/usr/share")));
        return true;
    }

    static QString s_dataDir;
    static bool s_prepared;

private slots:
    void initTestCase()
    {
        if (!s_prepared)
            QSKIP("update-mime-database is not installed");
    }

    void projectFilesAreRecognised_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("by extension") << "Bed A.tvc" << QByteArray("TVC_Ver01\r\n1\r\n");
        QTest::newRow("empty file by extension") << "empty.tvc" << QByteArray();
        QTest::newRow("by first line") << "project" << QByteArray("TVC_Ver01\r\n2\r\n");
        QTest::newRow("with a design target, by first line")
            << "sized" << QByteArray("TVC_Ver02\r\n2\r\n");
        QTest::newRow("by first line after BOM")
            << "project-utf8" << QByteArray("\xEF\xBB\xBFTVC_Ver01\r\n2\r\n");
    }

    void projectFilesAreRecognised()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
        QCOMPARE(type.name(), projectType);
        QVERIFY(type.inherits(QStringLiteral("text/plain")));
    }

    void theMenuEntryOpensProjectFilesWithTheCalculator()
    {
        const MimeAssociations associations({s_dataDir + QStringLiteral("/config")}, {s_dataDir});
        QCOMPARE(associations.applicationsFor(projectType),
                 QStringList{QStringLiteral("tessivane.desktop")});
        const auto entry = DesktopEntry::read(associations.desktopFilePath("tessivane.desktop"));
        QVERIFY(entry);
        QCOMPARE(entry->icon, QStringLiteral("tessivane"));
        // Shown in the menu and started by its absolute path, with no help from the PATH.
        const QString launcher = s_dataDir + launcherUnder;
        QCOMPARE(entry->tryExec, launcher);
        QVERIFY(entry->isInstalled());
        const QString project = QStringLiteral("/home/designer/Bed A (rev 2).tvc");
        QCOMPARE(entry->commandFor(project), (QStringList{launcher, project}));

        const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
        if (validate.isEmpty())
            QSKIP("desktop-file-validate is not installed; the entry's syntax is not checked");
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(validate, {associations.desktopFilePath("tessivane.desktop")});
        QVERIFY(process.waitForFinished());
        const QString report = QString::fromUtf8(process.readAll());
        QVERIFY2(process.exitCode() == 0 && !report.contains("error:"), qPrintable(report));
    }
};

QString DesktopFilesTest::s_dataDir;
bool DesktopFilesTest::s_prepared = false;

int main(int argc, char **argv)
{
    QTemporaryDir dataDir;
    DesktopFilesTest::s_dataDir = dataDir.path();
    DesktopFilesTest::s_prepared = DesktopFilesTest::prepareDataDir(dataDir.path());
    QApplication app(argc, argv);
    DesktopFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopFilesTest.moc"
