#include "RegistryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

namespace VeldoHost {

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

bool RegistryFile::load()
{
    m_classes.clear();
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
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        m_error = QStringLiteral("%1 is not a registry file (%2); fix or delete it")
                      .arg(m_path, parseError.errorString());
        return false;
    }
    const QJsonArray classes = doc.object().value(QStringLiteral("classes")).toArray();
    for (const QJsonValue &value : classes) {
        const QJsonObject o = value.toObject();
        RegisteredClass entry{o.value(QStringLiteral("name")).toString(),
                              o.value(QStringLiteral("classId")).toString(),
                              o.value(QStringLiteral("library")).toString(),
                              o.value(QStringLiteral("version")).toString()};
        if (!entry.name.isEmpty())
            m_classes.append(entry);
    }
    return true;
}

bool RegistryFile::save()
{
    m_error.clear();
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = QStringLiteral("cannot create the directory %1").arg(info.absolutePath());
        return false;
    }
    QJsonArray classes;
    for (const RegisteredClass &entry : std::as_const(m_classes)) {
        classes.append(QJsonObject{{QStringLiteral("name"), entry.name},
                                   {QStringLiteral("classId"), entry.classId},
                                   {QStringLiteral("library"), entry.library},
                                   {QStringLiteral("version"), entry.version}});
    }
    const QJsonObject root{{QStringLiteral("format"), 1}, {QStringLiteral("classes"), classes}};
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson()) < 0 ||
        !file.commit()) {
        m_error = QStringLiteral("cannot write %1: %2").arg(m_path, file.errorString());
        return false;
    }
    return true;
}

std::optional<RegisteredClass> RegistryFile::find(const QString &classNameOrId) const
{
    for (const RegisteredClass &entry : m_classes) {
        if (entry.name.compare(classNameOrId, Qt::CaseInsensitive) == 0 ||
            entry.classId.compare(classNameOrId, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

void RegistryFile::insert(const RegisteredClass &entry)
{
    remove(entry.name);
    m_classes.append(entry);
}

void RegistryFile::remove(const QString &className)
{
    m_classes.removeIf([&](const RegisteredClass &entry) {
        return entry.name.compare(className, Qt::CaseInsensitive) == 0;
    });
}

} // namespace VeldoHost
