#include "ControlHost.h"

#include "RegistrySearch.h"

#include <QPluginLoader>
#include <QWidget>

namespace VeldoHost {

namespace {
void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}
} // namespace

QString ControlHost::libraryFor(const QString &classNameOrId, QString *error)
{
    const auto entry = RegistrySearch().find(classNameOrId, error);
    if (!entry)
        return {};
    if (entry->library.isEmpty())
        setError(error, QStringLiteral("the registry entry of %1 names no library file; register "
                                       "its library again with veldo-register")
                            .arg(classNameOrId));
    return entry->library;
}

QWidget *ControlHost::createControl(const QString &classNameOrId, QWidget *parent, QString *error)
{
    const QString library = libraryFor(classNameOrId, error);
    if (library.isEmpty())
        return nullptr;

    // The loader is not unloaded on destruction, so the library stays for the controls.
    QPluginLoader loader(library);
    QObject *root = loader.instance();
    if (!root) {
        setError(error, QStringLiteral("cannot load %1: %2").arg(library, loader.errorString()));
        return nullptr;
    }
    QObject *factory = nullptr;
    if (!QMetaObject::invokeMethod(root, "classObject", Qt::DirectConnection,
                                   Q_RETURN_ARG(QObject *, factory),
                                   Q_ARG(QString, classNameOrId)) ||
        !factory) {
        setError(error,
                 QStringLiteral("%1 does not provide the class %2").arg(library, classNameOrId));
        return nullptr;
    }
    QWidget *control = nullptr;
    if (!QMetaObject::invokeMethod(factory, "CreateInstance", Qt::DirectConnection,
                                   Q_RETURN_ARG(QWidget *, control), Q_ARG(QWidget *, parent)) ||
        !control) {
        setError(error, QStringLiteral("the factory of %1 created nothing").arg(classNameOrId));
        return nullptr;
    }
    return control;
}

} // namespace VeldoHost
