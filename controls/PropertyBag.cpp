#include "PropertyBag.h"

QVariant PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    const auto it = m_index.constFind(key(name));
    return it == m_index.constEnd() ? defaultValue : m_entries.at(*it)->value;
}

void PropertyBag::WriteProperty(const QString &name, const QVariant &value,
                                const QVariant &defaultValue)
{
    remove(name);
    if (defaultValue.isValid() && value == defaultValue)
        return;
    m_index.insert(key(name), m_entries.size());
    m_entries.append(Entry{name, value});
}

bool PropertyBag::contains(const QString &name) const
{
    return m_index.contains(key(name));
}

void PropertyBag::remove(const QString &name)
{
    const auto it = m_index.constFind(key(name));
    if (it == m_index.constEnd())
        return;
    m_entries[*it].reset();
    m_index.erase(it);
    // A bag that is saved into again and again would otherwise grow by every rewrite.
    if (++m_gaps > m_entries.size() / 2 + 16)
        compact();
}

void PropertyBag::compact()
{
    m_entries.removeIf([](const std::optional<Entry> &entry) { return !entry; });
    m_index.clear();
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        m_index.insert(key(m_entries.at(i)->name), i);
    m_gaps = 0;
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const auto &entry : m_entries) {
        if (entry)
            result.append(entry->name);
    }
    return result;
}
