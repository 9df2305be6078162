#include "HelpViewerHost.h"

#include <QDir>
#include <QLabel>
#include <QLibrary>
#include <QMetaClassInfo>
#include <QMetaMethod>
#include <QPixmap>
#include <QWidget>

#include <cstdint>

namespace {

using GetClassObject = std::int32_t (*)(const char *, QObject **);

// The member a dispatch id names, from the class's "DispId:0x..." class infos.
QByteArray memberForDispId(const QMetaObject *meta, int dispId)
{
    const QByteArray key = "DispId:0x" + QByteArray::number(dispId, 16).toUpper();
    for (int i = 0; i < meta->classInfoCount(); ++i) {
        const QMetaClassInfo info = meta->classInfo(i);
        if (QByteArray(info.name()).toUpper() == key.toUpper())
            return QByteArray(info.value());
    }
    return {};
}

QWidget *invokeCreateInstance(QObject *factory, QWidget *parent)
{
    const QMetaObject *meta = factory->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != "CreateInstance" || method.parameterCount() != 1)
            continue;
        if (method.returnMetaType() == QMetaType::fromType<QWidget *>()) {
            QWidget *created = nullptr;
            if (method.invoke(factory, Qt::DirectConnection, Q_RETURN_ARG(QWidget *, created),
                              Q_ARG(QWidget *, parent)))
                return created;
        } else if (method.returnMetaType() == QMetaType::fromType<QObject *>()) {
            QObject *created = nullptr;
            if (method.invoke(factory, Qt::DirectConnection, Q_RETURN_ARG(QObject *, created),
                              Q_ARG(QWidget *, parent))) {
                if (auto *widget = qobject_cast<QWidget *>(created))
                    return widget;
                delete created;
            }
        }
    }
    return nullptr;
}

} // namespace

HelpViewerHost::HelpViewerHost(const QString &libraryDir, QWidget *parent) : QObject(parent)
{
    m_viewer = createViewer(libraryDir, parent);
    if (m_viewer) {
        m_viewer->setObjectName(QStringLiteral("ctrlPictureViewer1"));
        m_widget = m_viewer;
        return;
    }
    auto *notice = new QLabel(tr("The help diagram cannot be shown: %1").arg(m_failure), parent);
    notice->setObjectName(QStringLiteral("lblHelpViewerMissing"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    m_widget = notice;
}

QWidget *HelpViewerHost::createViewer(const QString &libraryDir, QWidget *parent)
{
    // Kept loaded for the life of the process: the viewer's code lives in it.
    auto *library =
        new QLibrary(QDir(libraryDir).filePath(QStringLiteral("VeldoSharedControls")), this);
    if (!library->load()) {
        m_failure = tr("the control library VeldoSharedControls was not found.");
        return nullptr;
    }
    auto getClassObject = reinterpret_cast<GetClassObject>(library->resolve("DllGetClassObject"));
    QObject *factory = nullptr;
    if (!getClassObject || getClassObject(ViewerClassName, &factory) != 0 || !factory) {
        m_failure = tr("the class %1 is not available.").arg(QLatin1String(ViewerClassName));
        return nullptr;
    }
    QWidget *viewer = invokeCreateInstance(factory, parent);
    if (!viewer)
        m_failure = tr("the picture viewer could not be created.");
    return viewer;
}

bool HelpViewerHost::invokeByDispId(int dispId, QGenericArgument argument)
{
    if (!m_viewer)
        return false;
    const QByteArray member = memberForDispId(m_viewer->metaObject(), dispId);
    if (member.isEmpty())
        return false;
    if (argument.data())
        return QMetaObject::invokeMethod(m_viewer, member.constData(), Qt::DirectConnection,
                                         argument);
    return QMetaObject::invokeMethod(m_viewer, member.constData(), Qt::DirectConnection);
}

bool HelpViewerHost::SetPicture(const QPixmap &picture)
{
    return invokeByDispId(DispIdSetPicture, Q_ARG(QPixmap, picture));
}

bool HelpViewerHost::Refresh()
{
    return invokeByDispId(DispIdRefresh);
}
