#include "RegistryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

namespace VeldoHost {

namespace {
const QString classesKey = QStringLiteral("classes");
const QString formatKey = QStringLiteral("format");
const QString nameKey = QStringLiteral("name");

// An entry this version can use names its class; anything else is kept but never touched.
std::optional<RegisteredClass> readEntry(const QJsonValue &value)
{
    const QJsonObject o = value.toObject();
    const QString name = o.value(nameKey).toString();
    if (name.isEmpty())
        return std::nullopt;
    return RegisteredClass{name, o.value(QStringLiteral("classId")).toString(),
                           o.value(QStringLiteral("library")).toString(),
                           o.value(QStringLiteral("version")).toString()};
}

bool sameName(const QJsonValue &value, const QString &className)
{
    const auto entry = readEntry(value);
    return entry && entry->name.compare(className, Qt::CaseInsensitive) == 0;
}

int formatNumber(const QJsonValue &value)
{
    if (value.isUndefined())
        return RegistryFile::supportedFormat;
    const double number = value.toDouble(-1);
    return number >= 1 && number <= 1e6 && number == static_cast<int>(number)
               ? static_cast<int>(number)
               : 0;
}
} // namespace

QString RegistryFile::defaultDirectory()
{
    const QString fromEnvironment = qEnvironmentVariable(directoryVariable);
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/veldo-components");
}

QString RegistryFile::defaultPath()
{
    return defaultDirectory() + QStringLiteral("/registry.json");
}

RegistryFile::RegistryFile(QString path) : m_path(std::move(path)) {}

bool RegistryFile::fail(const QString &reason)
{
    m_root = {};
    m_entries = {};
    m_format = supportedFormat;
    m_error = QStringLiteral("not a registry file: fix or delete %1 (%2)").arg(m_path, reason);
    return false;
}

bool RegistryFile::load()
{
    m_root = {};
    m_entries = {};
    m_format = supportedFormat;
    m_modified = false;
    m_error.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1: %2").arg(m_path, file.errorString());
        return false;
    }
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(parseError.errorString());
    if (!doc.isObject())
        return fail(QStringLiteral("it holds no JSON object"));
    const QJsonObject root = doc.object();
    const QJsonValue classes = root.value(classesKey);
    if (!classes.isUndefined() && !classes.isArray())
        return fail(QStringLiteral("\"classes\" is not a list"));
    m_root = root;
    m_entries = classes.toArray();
    m_format = formatNumber(root.value(formatKey));
    return true;
}

bool RegistryFile::save()
{
    m_error.clear();
    if (isNewerFormat()) {
        m_error = newerFormatError();
        return false;
    }
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = QStringLiteral("cannot create the directory %1").arg(info.absolutePath());
        return false;
    }
    QJsonObject root = m_root;
    if (root.isEmpty())
        root.insert(formatKey, supportedFormat);
    root.insert(classesKey, m_entries);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson()) < 0 ||
        !file.commit()) {
        m_error = QStringLiteral("cannot write %1: %2").arg(m_path, file.errorString());
        return false;
    }
    m_root = root;
    m_modified = false;
    return true;
}

QString RegistryFile::newerFormatError() const
{
    return QStringLiteral("%1 has registry format %2, which this version (format %3) does not "
                          "know; it is left as it is: use the newer veldo-register that wrote it")
        .arg(m_path, m_root.value(formatKey).toVariant().toString())
        .arg(supportedFormat);
}

QList<RegisteredClass> RegistryFile::classes() const
{
    QList<RegisteredClass> result;
    for (const QJsonValue &value : m_entries) {
        if (auto entry = readEntry(value))
            result.append(*entry);
    }
    return result;
}

std::optional<RegisteredClass> RegistryFile::find(const QString &classNameOrId) const
{
    for (const QJsonValue &value : m_entries) {
        const auto entry = readEntry(value);
        if (entry && (entry->name.compare(classNameOrId, Qt::CaseInsensitive) == 0 ||
                      entry->classId.compare(classNameOrId, Qt::CaseInsensitive) == 0))
            return entry;
    }
    return std::nullopt;
}

void RegistryFile::insert(const RegisteredClass &entry)
{
    const QJsonObject known{{nameKey, entry.name},
                            {QStringLiteral("classId"), entry.classId},
                            {QStringLiteral("library"), entry.library},
                            {QStringLiteral("version"), entry.version}};
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (!sameName(m_entries.at(i), entry.name))
            continue;
        // Updated in place: its position and any field of a newer writer stay.
        QJsonObject updated = m_entries.at(i).toObject();
        for (auto it = known.begin(); it != known.end(); ++it)
            updated.insert(it.key(), it.value());
        if (updated != m_entries.at(i).toObject()) {
            m_entries.replace(i, updated);
            m_modified = true;
        }
        return;
    }
    m_entries.append(known);
    m_modified = true;
}

void RegistryFile::remove(const QString &className)
{
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i) {
        if (sameName(m_entries.at(i), className)) {
            m_entries.removeAt(i);
            m_modified = true;
        }
    }
}

} // namespace VeldoHost
