#pragma once

#include "RegistryFile.h"

#include <QStringList>

#include <optional>

namespace VeldoHost {

// The registry files a host consults for a class, in order: the per-user file, then
// <dir>/veldo-components/registry.json for each system data directory ($XDG_DATA_DIRS; on
// Windows the common application-data folder and the program's folder), so an install
// registers a library for everyone and a user's own registration overrides it.
// When $VELDO_REGISTRY_DIR is set, its file is the only one.
class RegistrySearch
{
public:
    static QStringList defaultPaths();

    explicit RegistrySearch(QStringList paths = defaultPaths());

    QStringList paths() const { return m_paths; }

    // The first entry for the class. A file that cannot be read is skipped; when the class is
    // found nowhere, *error names the files searched and the errors of the skipped ones.
    std::optional<RegisteredClass> find(const QString &classNameOrId,
                                        QString *error = nullptr) const;

private:
    QStringList m_paths;
};

} // namespace VeldoHost
