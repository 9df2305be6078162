#pragma once

#include <QString>

class QWidget;

namespace VeldoHost {

// Creates a registered control knowing only its class name or class id: looks the class up in
// the registry files (RegistrySearch), loads its library as a Qt plugin and asks the class's
// factory for an instance with the given parent. The library stays loaded for the rest of the
// process.
class ControlHost
{
public:
    static QWidget *createControl(const QString &classNameOrId, QWidget *parent,
                                  QString *error = nullptr);
    // The library file registered for a class, empty (with *error set) when there is none.
    static QString libraryFor(const QString &classNameOrId, QString *error = nullptr);
};

} // namespace VeldoHost
