#include "ComboTaskMenuFactory.h"

#include "ComboTaskMenu.h"
#include "vdoCombo.h"

ComboTaskMenuFactory::ComboTaskMenuFactory(QExtensionManager *parent) : QExtensionFactory(parent) {}

QObject *ComboTaskMenuFactory::createExtension(QObject *object, const QString &iid,
                                               QObject *parent) const
{
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension))
        return nullptr;
    if (auto *combo = qobject_cast<vdoCombo *>(object))
        return new ComboTaskMenu(combo, parent);
    return nullptr;
}
