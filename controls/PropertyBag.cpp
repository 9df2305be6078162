#include "PropertyBag.h"

QVariant PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    for (const auto &entry : m_entries) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return entry.second;
    }
    return defaultValue;
}

void PropertyBag::WriteProperty(const QString &name, const QVariant &value,
                                const QVariant &defaultValue)
{
    remove(name);
    if (defaultValue.isValid() && value == defaultValue)
        return;
    m_entries.append({name, value});
}

bool PropertyBag::contains(const QString &name) const
{
    for (const auto &entry : m_entries) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void PropertyBag::remove(const QString &name)
{
    m_entries.removeIf([&](const QPair<QString, QVariant> &entry) {
        return entry.first.compare(name, Qt::CaseInsensitive) == 0;
    });
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const auto &entry : m_entries)
        result.append(entry.first);
    return result;
}
