#include "ControlClassFactory.h"

#include "ClassTable.h"

#include <QWidget>

#include <map>
#include <memory>

ControlClassFactory::ControlClassFactory(const ControlClass &controlClass, QObject *parent)
    : QObject(parent), m_class(controlClass)
{
}

QWidget *ControlClassFactory::CreateInstance(QWidget *parent) const
{
    return m_class.create(parent);
}

QString ControlClassFactory::className() const
{
    return m_class.className();
}

QString ControlClassFactory::classId() const
{
    return m_class.classId();
}

ControlClassFactory *ControlClassFactory::forClass(QStringView classNameOrId)
{
    const ControlClass *entry = ClassTable::find(classNameOrId);
    if (!entry)
        return nullptr;
    // One factory per class, living as long as the library is loaded.
    static std::map<const ControlClass *, std::unique_ptr<ControlClassFactory>> factories;
    auto &factory = factories[entry];
    if (!factory)
        factory = std::make_unique<ControlClassFactory>(*entry);
    return factory.get();
}
