#include "RegistrySearch.h"

#include <QDir>
#include <QStandardPaths>

namespace VeldoHost {

QStringList RegistrySearch::defaultPaths()
{
    QStringList paths{RegistryFile::defaultPath()};
    if (!qEnvironmentVariableIsEmpty(RegistryFile::directoryVariable))
        return paths;
    // standardLocations() starts with the writable (per-user) directory; the rest are the
    // system's, with the freedesktop default when $XDG_DATA_DIRS is unset.
    const QString userDirectory =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    const QStringList directories =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &directory : directories) {
        if (QDir::cleanPath(directory) == userDirectory)
            continue;
        const QString path =
            QDir::cleanPath(directory) + QStringLiteral("/veldo-components/registry.json");
        if (!paths.contains(path))
            paths.append(path);
    }
    return paths;
}

RegistrySearch::RegistrySearch(QStringList paths) : m_paths(std::move(paths)) {}

std::optional<RegisteredClass> RegistrySearch::find(const QString &classNameOrId,
                                                    QString *error) const
{
    QStringList searched;
    QStringList skipped;
    for (const QString &path : m_paths) {
        RegistryFile registry(path);
        // One broken file must not hide a class that another registry has.
        if (!registry.load()) {
            skipped.append(registry.errorString());
            continue;
        }
        if (auto entry = registry.find(classNameOrId))
            return entry;
        searched.append(path);
    }
    if (error) {
        QStringList parts;
        if (!searched.isEmpty()) {
            parts.append(QStringLiteral("the class %1 is not registered in %2; register its "
                                        "library with veldo-register")
                             .arg(classNameOrId, searched.join(QStringLiteral(", "))));
        } else {
            parts.append(QStringLiteral("the class %1 cannot be looked up").arg(classNameOrId));
        }
        *error = (parts + skipped).join(QStringLiteral("; "));
    }
    return std::nullopt;
}

} // namespace VeldoHost
