#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace VeldoHost {

// One registered class: its name, class id and the library file that serves it.
struct RegisteredClass
{
    QString name;
    QString classId;
    QString library;
    QString version;
};

// One registry file (JSON) that maps class names and ids to library files. The default one,
// where registration writes, lives in $VELDO_REGISTRY_DIR when that is set (tests and installs
// use this), else in $XDG_DATA_HOME/veldo-components (normally ~/.local/share/veldo-components).
class RegistryFile
{
public:
    static constexpr const char *directoryVariable = "VELDO_REGISTRY_DIR";
    static QString defaultDirectory();
    static QString defaultPath();

    explicit RegistryFile(QString path = defaultPath());

    QString path() const { return m_path; }
    QString errorString() const { return m_error; }

    // A missing file is an empty registry; an unreadable or malformed one is an error.
    bool load();
    // Written atomically; creates the directory when needed.
    bool save();

    QList<RegisteredClass> classes() const { return m_classes; }
    std::optional<RegisteredClass> find(const QString &classNameOrId) const;
    void insert(const RegisteredClass &entry);
    void remove(const QString &className);

private:
    QString m_path;
    QString m_error;
    QList<RegisteredClass> m_classes;
};

} // namespace VeldoHost
