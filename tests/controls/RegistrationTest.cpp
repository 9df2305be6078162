// Reaches the library only as a host would: through its entry points and the registry file.
#include "VeldoControlHost.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QPixmap>
#include <QPluginLoader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstdint>

using namespace VeldoHost;

namespace {
constexpr std::uint32_t dispImageHeight = 0x68030002;
constexpr std::uint32_t dispImageWidth = 0x68030003;
constexpr std::uint32_t dispSetPicture = 0x6003000F;
constexpr std::uint32_t dispRefresh = 0x60030011;
const QString viewerClass = QStringLiteral("VeldoSharedControls.ctrlPictureViewer");

// The built library's path as the library reports its own: with the drive on Windows.
QString builtLibraryPath()
{
    return QFileInfo(QStringLiteral(VELDO_LIBRARY_PATH)).absoluteFilePath();
}

using EntryPoint = std::int32_t (*)();
using GetClassObject = std::int32_t (*)(const char *, QObject **);
} // namespace

class RegistrationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void registerCreateUnregister();
    void createByClassId();
    void lateBoundSetPictureAndRefresh();
    void unknownDispatchIdFails();
    void canUnloadOnlyWhenNoObjectLives_data();
    void canUnloadOnlyWhenNoObjectLives();
    void classFactoryForUnknownClassFails();
    void malformedRegistryIsNotOverwritten();
    void registerToolLeavesRegistryAlone_data();
    void registerToolLeavesRegistryAlone();
    void registerToolChangesOnlyItsOwnEntries();
    void libraryCarriesItsVersion();

private:
    std::int32_t call(const char *entry);
    // Runs veldo-register on the library with the registry in dir; its exit code, *err its
    // standard error.
    static int runTool(const QString &dir, const QStringList &options, QString *err = nullptr);

    QTemporaryDir m_registryDir;
    QLibrary m_library{QStringLiteral(VELDO_LIBRARY_PATH)};
};

void RegistrationTest::initTestCase()
{
    QVERIFY(m_registryDir.isValid());
    qputenv(RegistryFile::directoryVariable, m_registryDir.path().toLocal8Bit());
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
}

void RegistrationTest::init()
{
    QFile::remove(RegistryFile::defaultPath());
}

std::int32_t RegistrationTest::call(const char *entry)
{
    const auto function = reinterpret_cast<EntryPoint>(m_library.resolve(entry));
    return function ? function() : -1;
}

void RegistrationTest::registerCreateUnregister()
{
    QCOMPARE(RegistryFile::defaultPath(), m_registryDir.filePath("registry.json"));
    QCOMPARE(call("DllRegisterServer"), 0);
    RegistryFile registry;
    QVERIFY(registry.load());
    QCOMPARE(registry.classes().size(), 4);
    QCOMPARE(registry.find(viewerClass)->library, builtLibraryPath());

    QWidget parent;
    QString error;
    QWidget *viewer = ControlHost::createControl(viewerClass, &parent, &error);
    QVERIFY2(viewer, qPrintable(error));
    QCOMPARE(viewer->parentWidget(), &parent);
    QCOMPARE(viewer->metaObject()->className(), "ctrlPictureViewer");

    QCOMPARE(call("DllUnregisterServer"), 0);
    QVERIFY(!ControlHost::createControl(viewerClass, &parent, &error));
    QVERIFY(error.contains(QStringLiteral("not registered")));
}

void RegistrationTest::createByClassId()
{
    QCOMPARE(call("DllRegisterServer"), 0);
    QWidget parent;
    for (const char *id :
         {"{789AFE16-F59D-4923-84FC-2C01F655CE54}", "{78ea9c8b-743c-410a-8553-253d9537be47}",
          "{BBD65DF4-9EED-4A73-8518-FF98C4871F29}"}) {
        QString error;
        QVERIFY2(ControlHost::createControl(QString::fromLatin1(id), &parent, &error),
                 qPrintable(error));
    }
}

void RegistrationTest::lateBoundSetPictureAndRefresh()
{
    QCOMPARE(call("DllRegisterServer"), 0);
    QWidget parent;
    QWidget *viewer = ControlHost::createControl(viewerClass, &parent);
    QVERIFY(viewer);
    viewer->resize(120, 90);

    QPixmap pixmap(300, 200);
    pixmap.fill(Qt::darkGreen);
    QString error;
    QVERIFY2(DispatchInvoker::invoke(viewer, dispSetPicture, {QVariant::fromValue(pixmap)}, nullptr,
                                     &error),
             qPrintable(error));
    QVERIFY(DispatchInvoker::invoke(viewer, dispRefresh));
    QVariant width;
    QVERIFY(DispatchInvoker::invoke(viewer, dispImageWidth, {}, &width));
    QCOMPARE(width.toInt(), 300);

    // A QImage works as well.
    QImage image(64, 48, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QVERIFY(DispatchInvoker::invoke(viewer, dispSetPicture, {QVariant::fromValue(image)}));
    QVariant height;
    QVERIFY(DispatchInvoker::invoke(viewer, dispImageHeight, {}, &height));
    QCOMPARE(height.toInt(), 48);
    QCOMPARE(DispatchInvoker::memberName(viewer->metaObject(), dispSetPicture),
             QStringLiteral("SetPicture"));
    QCOMPARE(DispatchInvoker::eventName(viewer->metaObject(), 1), QStringLiteral("MouseDown"));
}

void RegistrationTest::unknownDispatchIdFails()
{
    QCOMPARE(call("DllRegisterServer"), 0);
    QWidget parent;
    QWidget *viewer = ControlHost::createControl(viewerClass, &parent);
    QString error;
    QVERIFY(!DispatchInvoker::invoke(viewer, 0x60031234, {}, nullptr, &error));
    QVERIFY(error.contains(QStringLiteral("60031234")));
    QVERIFY(!DispatchInvoker::invoke(viewer, dispSetPicture, {1, 2, 3}, nullptr, &error));
}

void RegistrationTest::canUnloadOnlyWhenNoObjectLives_data()
{
    QTest::addColumn<QString>("className");
    for (const char *name : {"ctrlPictureViewer", "vdoEditBox", "vdoCombo", "vdoCombo_Properties"})
        QTest::newRow(name) << QStringLiteral("VeldoSharedControls.") + QLatin1String(name);
}

void RegistrationTest::canUnloadOnlyWhenNoObjectLives()
{
    QFETCH(QString, className);
    QCOMPARE(call("DllRegisterServer"), 0);
    QCOMPARE(call("DllCanUnloadNow"), 0);
    auto *object = ControlHost::createControl(className, nullptr);
    QVERIFY(object);
    QCOMPARE(call("DllCanUnloadNow"), 1);
    delete object;
    QCOMPARE(call("DllCanUnloadNow"), 0);
}

void RegistrationTest::classFactoryForUnknownClassFails()
{
    const auto getClassObject =
        reinterpret_cast<GetClassObject>(m_library.resolve("DllGetClassObject"));
    QVERIFY(getClassObject);
    QObject *factory = nullptr;
    QVERIFY(getClassObject("VeldoSharedControls.NoSuchControl", &factory) != 0);
    QVERIFY(!factory);
    QCOMPARE(getClassObject("VeldoSharedControls.vdoEditBox", &factory), 0);
    QWidget *box = nullptr;
    QVERIFY(QMetaObject::invokeMethod(factory, "CreateInstance", Q_RETURN_ARG(QWidget *, box),
                                      Q_ARG(QWidget *, nullptr)));
    QVERIFY(box);
    QCOMPARE(box->metaObject()->className(), "vdoEditBox");
    delete box;
}

void RegistrationTest::malformedRegistryIsNotOverwritten()
{
    QFile file(RegistryFile::defaultPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{ not json");
    file.close();
    QVERIFY(call("DllRegisterServer") != 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("{ not json"));
    QString error;
    QVERIFY(!ControlHost::createControl(viewerClass, nullptr, &error));
    QVERIFY(error.contains(QStringLiteral("not a registry file")));
}

int RegistrationTest::runTool(const QString &dir, const QStringList &options, QString *err)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(RegistryFile::directoryVariable), dir);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(VELDO_REGISTER_TOOL),
               options + QStringList{QStringLiteral(VELDO_LIBRARY_PATH)});
    if (!tool.waitForFinished(30000))
        return -1;
    if (err)
        *err = QString::fromLocal8Bit(tool.readAllStandardError());
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

void RegistrationTest::registerToolLeavesRegistryAlone_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("registry"); // empty: neither the file nor its folder exists
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // expected in standard error, %1 the registry's path

    const QStringList reg, unreg{QStringLiteral("-u")};
    const QString damaged = QStringLiteral("not a registry file: fix or delete %1");
    QTest::newRow("damaged, register") << reg << QByteArray("{ not json") << 1 << damaged;
    QTest::newRow("damaged, unregister") << unreg << QByteArray("{ not json") << 1 << damaged;
    QTest::newRow("classes not a list")
        << reg << QByteArray(R"({"format": 1, "classes": {}})") << 1 << damaged;
    QTest::newRow("newer format, register") << reg << QByteArray(R"({"format": 2, "classes": []})")
                                            << 1 << QStringLiteral("%1 has registry format 2");
    QTest::newRow("newer format, unregister")
        << unreg << QByteArray(R"({"format": 2, "classes": []})") << 1
        << QStringLiteral("%1 has registry format 2");
    QTest::newRow("unregister from nothing") << unreg << QByteArray() << 0 << QString();
}

void RegistrationTest::registerToolLeavesRegistryAlone()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, registry);
    const QString dir = m_registryDir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    const QString path = dir + QStringLiteral("/registry.json");
    if (!registry.isEmpty()) {
        QVERIFY(QDir().mkpath(dir));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(registry);
    }
    QString err;
    QTEST(runTool(dir, options, &err), "exitCode");
    QFETCH(QString, message);
    if (!message.isEmpty())
        QVERIFY2(err.contains(message.arg(path)), qPrintable(err));
    if (registry.isEmpty()) {
        QVERIFY(!QFileInfo::exists(dir));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), registry);
    }
}

void RegistrationTest::registerToolChangesOnlyItsOwnEntries()
{
    // Another library's entry with a field this version does not know, entries it cannot read,
    // and a top-level key of its own: all stay as they are.
    const QJsonObject shared = QJsonDocument::fromJson(R"({
        "format": 1, "comment": "kept",
        "classes": [
            {"name": "Other.Control", "classId": "{1}", "library": "/opt/other.so",
             "version": "1", "signed": true},
            42, {"note": "no name"}]})")
                                   .object();
    const QString dir = m_registryDir.filePath(QStringLiteral("shared"));
    QVERIFY(QDir().mkpath(dir));
    auto write = [&] {
        QFile file(dir + QStringLiteral("/registry.json"));
        return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(shared).toJson()) > 0;
    };
    auto read = [&] {
        QFile file(dir + QStringLiteral("/registry.json"));
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                              : QJsonObject();
    };
    QVERIFY(write());

    QCOMPARE(runTool(dir, {}), 0);
    QJsonObject registered = read();
    const QJsonArray classes = registered.value(QStringLiteral("classes")).toArray();
    QCOMPARE(classes.size(), 7);
    QJsonArray others;
    for (int i = 0; i < 7; ++i) {
        if (i < 3)
            others.append(classes.at(i));
        else
            QCOMPARE(classes.at(i)[QStringLiteral("library")].toString(), builtLibraryPath());
    }
    registered.insert(QStringLiteral("classes"), others);
    QCOMPARE(registered, shared);

    QCOMPARE(runTool(dir, {QStringLiteral("-u")}), 0);
    QCOMPARE(read(), shared);
}

// What a host or an installer reads from the library file without loading its controls.
void RegistrationTest::libraryCarriesItsVersion()
{
    const QJsonObject metaData =
        QPluginLoader(QStringLiteral(VELDO_LIBRARY_PATH)).metaData().value("MetaData").toObject();
    QCOMPARE(metaData.value("Library").toString(), QStringLiteral("VeldoSharedControls"));
    QCOMPARE(metaData.value("Version").toString(), QStringLiteral("3.2.0.14"));
    QCOMPARE(metaData.value("VersionText").toString(), QStringLiteral("3.02.0014"));
}

QTEST_MAIN(RegistrationTest)
#include "RegistrationTest.moc"
