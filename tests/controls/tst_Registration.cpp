// Reaches the library only as a host would: through its entry points and the registry file.
#include "VeldoControlHost.h"

#include <QImage>
#include <QLibrary>
#include <QPixmap>
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

using EntryPoint = std::int32_t (*)();
using GetClassObject = std::int32_t (*)(const char *, QObject **);
} // namespace

class tst_Registration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void registerCreateUnregister();
    void createByClassId();
    void lateBoundSetPictureAndRefresh();
    void unknownDispatchIdFails();
    void canUnloadOnlyWhenNoObjectLives();
    void classFactoryForUnknownClassFails();
    void malformedRegistryIsNotOverwritten();

private:
    std::int32_t call(const char *entry);

    QTemporaryDir m_registryDir;
    QLibrary m_library{QStringLiteral(VELDO_LIBRARY_PATH)};
};

void tst_Registration::initTestCase()
{
    QVERIFY(m_registryDir.isValid());
    qputenv(RegistryFile::directoryVariable, m_registryDir.path().toLocal8Bit());
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
}

void tst_Registration::init()
{
    QFile::remove(RegistryFile::defaultPath());
}

std::int32_t tst_Registration::call(const char *entry)
{
    const auto function = reinterpret_cast<EntryPoint>(m_library.resolve(entry));
    return function ? function() : -1;
}

void tst_Registration::registerCreateUnregister()
{
    QCOMPARE(RegistryFile::defaultPath(), m_registryDir.filePath("registry.json"));
    QCOMPARE(call("DllRegisterServer"), 0);
    RegistryFile registry;
    QVERIFY(registry.load());
    QCOMPARE(registry.classes().size(), 4);
    QCOMPARE(registry.find(viewerClass)->library, QStringLiteral(VELDO_LIBRARY_PATH));

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

void tst_Registration::createByClassId()
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

void tst_Registration::lateBoundSetPictureAndRefresh()
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

void tst_Registration::unknownDispatchIdFails()
{
    QCOMPARE(call("DllRegisterServer"), 0);
    QWidget parent;
    QWidget *viewer = ControlHost::createControl(viewerClass, &parent);
    QString error;
    QVERIFY(!DispatchInvoker::invoke(viewer, 0x60031234, {}, nullptr, &error));
    QVERIFY(error.contains(QStringLiteral("60031234")));
    QVERIFY(!DispatchInvoker::invoke(viewer, dispSetPicture, {1, 2, 3}, nullptr, &error));
}

void tst_Registration::canUnloadOnlyWhenNoObjectLives()
{
    QCOMPARE(call("DllRegisterServer"), 0);
    QCOMPARE(call("DllCanUnloadNow"), 0);
    auto *viewer = ControlHost::createControl(viewerClass, nullptr);
    QVERIFY(viewer);
    QCOMPARE(call("DllCanUnloadNow"), 1);
    delete viewer;
    QCOMPARE(call("DllCanUnloadNow"), 0);
}

void tst_Registration::classFactoryForUnknownClassFails()
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

void tst_Registration::malformedRegistryIsNotOverwritten()
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

QTEST_MAIN(tst_Registration)
#include "tst_Registration.moc"
