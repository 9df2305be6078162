// The desktop integration files of the install folder, read the way a desktop reads them:
// the project file type is registered with a MIME database built from our package file, and
// the menu entry opens such files with the calculator.
#include "DesktopEntry.h"
#include "MimeAssociations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString installDir = QStringLiteral(TESSIVANE_INSTALL_SOURCE_DIR);
const QString projectType = QStringLiteral("application/x-tessivane-project");

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
        if (!QFile::copy(installDir + QStringLiteral("/tessivane-mime.xml"),
                         dataDir + QStringLiteral("/mime/packages/tessivane.xml")) ||
            !QFile::copy(installDir + QStringLiteral("/tessivane.desktop"),
                         dataDir + QStringLiteral("/applications/tessivane.desktop")))
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
        const QString project = QStringLiteral("/home/designer/Bed A (rev 2).tvc");
        QCOMPARE(entry->commandFor(project), (QStringList{QStringLiteral("tessivane"), project}));
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
