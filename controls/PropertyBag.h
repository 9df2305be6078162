#pragma once

#include "VeldoSharedControlsGlobal.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// The saved settings of a control: named values in the order they were written. A value equal to
// its default is not stored, and reading an absent name gives the default back.
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
    QList<QPair<QString, QVariant>> m_entries;
};
