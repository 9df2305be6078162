#include "VeldoSharedControlsApi.h"

#include "ControlClassFactory.h"
#include "ControlRegistration.h"
#include "LiveObjectToken.h"

std::int32_t DllRegisterServer()
{
    return ControlRegistration::registerLibrary(ControlRegistration::ownLibraryPath());
}

std::int32_t DllUnregisterServer()
{
    return ControlRegistration::unregisterLibrary();
}

std::int32_t DllGetClassObject(const char *classNameOrId, QObject **classObject)
{
    if (!classNameOrId || !classObject)
        return VeldoResult::InvalidArgument;
    *classObject = ControlClassFactory::forClass(QString::fromUtf8(classNameOrId));
    return *classObject ? VeldoResult::Ok : VeldoResult::ClassNotAvailable;
}

std::int32_t DllCanUnloadNow()
{
    return LiveObjectToken::count() == 0 ? VeldoResult::Ok : VeldoResult::False;
}
