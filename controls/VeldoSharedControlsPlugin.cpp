#include "VeldoSharedControlsPlugin.h"

#include "ControlClassFactory.h"
#include "LiveObjectToken.h"

VeldoSharedControlsPlugin::VeldoSharedControlsPlugin(QObject *parent) : QObject(parent) {}

QObject *VeldoSharedControlsPlugin::classObject(const QString &classNameOrId) const
{
    return ControlClassFactory::forClass(classNameOrId);
}

bool VeldoSharedControlsPlugin::canUnloadNow() const
{
    return LiveObjectToken::count() == 0;
}
