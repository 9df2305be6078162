#pragma once

#include <QJsonArray>
#include <QJsonObject>
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
// use this), else in the user's data folder: $XDG_DATA_HOME/veldo-components (normally
// ~/.local/share/veldo-components), on Windows %LOCALAPPDATA%\veldo-components, which does not
// roam, as the library paths it records belong to one machine.
// The file is shared by every library registered there: the document is kept as read, and
// insert() and remove() touch only the entries of the classes they name.
class RegistryFile
{
public:
    static constexpr const char *directoryVariable = "VELDO_REGISTRY_DIR";
    static constexpr int supportedFormat = 1;
    static QString defaultDirectory();
    static QString defaultPath();

    explicit RegistryFile(QString path = defaultPath());

    QString path() const { return m_path; }
    QString errorString() const { return m_error; }

    // A missing file is an empty registry; an unreadable or malformed one is an error. A newer
    // format loads as far as its entries can be read, for lookups, but is never written.
    bool load();
    // Written atomically; creates the directory when needed. Refuses a newer format.
    bool save();
    bool isModified() const { return m_modified; }
    bool isNewerFormat() const { return m_format != supportedFormat; }
    QString newerFormatError() const;

    QList<RegisteredClass> classes() const;
    std::optional<RegisteredClass> find(const QString &classNameOrId) const;
    void insert(const RegisteredClass &entry);
    void remove(const QString &className);

private:
    bool fail(const QString &reason);

    QString m_path;
    QString m_error;
    QJsonObject m_root;             // the whole document, unknown keys included
    QJsonArray m_entries;           // its "classes", entries this version cannot read included
    int m_format = supportedFormat; // 0: a "format" that is no format number
    bool m_modified = false;
};

} // namespace VeldoHost
