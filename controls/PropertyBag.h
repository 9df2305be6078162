#pragma once

#include "VeldoSharedControlsGlobal.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// The saved settings of a control: named values in the order they were written. A value equal to
// its default is not stored, and reading an absent name gives the default back. Names match
// without regard to case.
class VELDO_CONTROLS_EXPORT PropertyBag
{
public:
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue = {}) const;
    void WriteProperty(const QString &name, const QVariant &value,
                       const QVariant &defaultValue = {});

    bool contains(const QString &name) const;
    void remove(const QString &name);
    QStringList names() const;

private:
    struct Entry
    {
        QString name;
        QVariant value;
    };
    static QString key(const QString &name) { return name.toCaseFolded(); }
    void compact();

    // A list with item counts in the ten thousands reads and writes that many names, so each
    // lookup goes through the index; removed entries leave a gap instead of shifting the rest.
    QList<std::optional<Entry>> m_entries;
    QHash<QString, qsizetype> m_index;
    qsizetype m_gaps = 0;
};
