#pragma once

#include <QObject>

class QWidget;
struct ControlClass;

// Class factory for one registered class. Hosts that do not link the library call
// CreateInstance through the meta-object system.
class ControlClassFactory : public QObject
{
    Q_OBJECT

public:
    explicit ControlClassFactory(const ControlClass &controlClass, QObject *parent = nullptr);

    Q_INVOKABLE QWidget *CreateInstance(QWidget *parent) const;
    Q_INVOKABLE QString className() const;
    Q_INVOKABLE QString classId() const;

    // The factory of a class, by class name or id; nullptr for an unknown class.
    static ControlClassFactory *forClass(QStringView classNameOrId);

private:
    const ControlClass &m_class;
};
