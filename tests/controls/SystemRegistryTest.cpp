// The registries a host consults without $VELDO_REGISTRY_DIR: the user's own, then one per
// system data directory, as an install leaves them.
#include "VeldoControlHost.h"

#include <QDir>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstdint>

using namespace VeldoHost;

namespace {
const QString viewerClass = QStringLiteral("VeldoSharedControls.ctrlPictureViewer");
const QString libraryPath = QStringLiteral(VELDO_LIBRARY_PATH);
using EntryPoint = std::int32_t (*)();
} // namespace

class SystemRegistryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void searchOrder();
    void classRegisteredOnlyForTheSystemIsCreated();
    void userEntryOverridesSystemEntry();
    void unreadableSystemRegistryIsSkipped();
    void registryDirectoryVariableIsolates();

private:
    QString userDir() const { return m_root.filePath(QStringLiteral("home/share")); }
    QString systemDir(int n) const { return m_root.filePath(QStringLiteral("system%1").arg(n)); }
    QString registryIn(const QString &dataDir) const
    {
        return dataDir + QStringLiteral("/veldo-components/registry.json");
    }
    // What an install does: the library registers itself with the system registry as target.
    void registerLibraryIn(const QString &dataDir);
    void writeEntry(const QString &registryPath, const QString &library);

    QTemporaryDir m_root;
    QLibrary m_library{libraryPath};
};

void SystemRegistryTest::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    qunsetenv(RegistryFile::directoryVariable);
    qputenv("XDG_DATA_HOME", userDir().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", (systemDir(1) + QLatin1Char(':') + systemDir(2)).toLocal8Bit());
}

void SystemRegistryTest::init()
{
    qunsetenv(RegistryFile::directoryVariable);
    for (const QString &dir : {userDir(), systemDir(1), systemDir(2)})
        QVERIFY(QDir(dir).removeRecursively());
}

void SystemRegistryTest::registerLibraryIn(const QString &dataDir)
{
    qputenv(RegistryFile::directoryVariable, (dataDir + "/veldo-components").toLocal8Bit());
    const auto entry = reinterpret_cast<EntryPoint>(m_library.resolve("DllRegisterServer"));
    QVERIFY(entry);
    QCOMPARE(entry(), 0);
    qunsetenv(RegistryFile::directoryVariable);
}

void SystemRegistryTest::writeEntry(const QString &registryPath, const QString &library)
{
    RegistryFile registry(registryPath);
    QVERIFY(registry.load());
    registry.insert({viewerClass, QStringLiteral("{00000000-0000-0000-0000-000000000001}"), library,
                     QStringLiteral("3.2.0.14")});
    QVERIFY2(registry.save(), qPrintable(registry.errorString()));
}

void SystemRegistryTest::searchOrder()
{
    QCOMPARE(
        RegistrySearch::defaultPaths(),
        QStringList({registryIn(userDir()), registryIn(systemDir(1)), registryIn(systemDir(2))}));
    // Registration keeps writing the user's file.
    QCOMPARE(RegistryFile::defaultPath(), registryIn(userDir()));
}

void SystemRegistryTest::classRegisteredOnlyForTheSystemIsCreated()
{
    registerLibraryIn(systemDir(2));
    QVERIFY(!QFile::exists(registryIn(userDir())));

    QWidget parent;
    QString error;
    QWidget *viewer = ControlHost::createControl(viewerClass, &parent, &error);
    QVERIFY2(viewer, qPrintable(error));
    QCOMPARE(viewer->metaObject()->className(), "ctrlPictureViewer");
    QCOMPARE(ControlHost::libraryFor(viewerClass), libraryPath);
}

void SystemRegistryTest::userEntryOverridesSystemEntry()
{
    registerLibraryIn(systemDir(1));
    const QString userLibrary = m_root.filePath(QStringLiteral("home/libOwnBuild.so"));
    writeEntry(registryIn(userDir()), userLibrary);
    QCOMPARE(ControlHost::libraryFor(viewerClass), userLibrary);

    // The first system directory wins over a later one, too.
    QVERIFY(QFile::remove(registryIn(userDir())));
    writeEntry(registryIn(systemDir(2)), QStringLiteral("/nowhere/libOther.so"));
    QCOMPARE(ControlHost::libraryFor(viewerClass), libraryPath);
}

void SystemRegistryTest::unreadableSystemRegistryIsSkipped()
{
    // A directory where the first system registry file should be.
    QVERIFY(QDir().mkpath(registryIn(systemDir(1))));
    QString error;
    QVERIFY(!ControlHost::createControl(viewerClass, nullptr, &error));
    QVERIFY2(error.contains(QStringLiteral("not registered in %1").arg(registryIn(userDir()))),
             qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("cannot read %1").arg(registryIn(systemDir(1)))),
             qPrintable(error));

    registerLibraryIn(systemDir(2));
    QWidget parent;
    QVERIFY2(ControlHost::createControl(viewerClass, &parent, &error), qPrintable(error));
}

void SystemRegistryTest::registryDirectoryVariableIsolates()
{
    registerLibraryIn(systemDir(1));
    const QString isolated = m_root.filePath(QStringLiteral("isolated"));
    qputenv(RegistryFile::directoryVariable, isolated.toLocal8Bit());
    QCOMPARE(RegistrySearch::defaultPaths(), QStringList{isolated + "/registry.json"});
    QString error;
    QVERIFY(ControlHost::libraryFor(viewerClass, &error).isEmpty());
    QVERIFY2(error.contains(QStringLiteral("not registered")), qPrintable(error));
    QVERIFY(!error.contains(systemDir(1)));
}

QTEST_MAIN(SystemRegistryTest)
#include "SystemRegistryTest.moc"
