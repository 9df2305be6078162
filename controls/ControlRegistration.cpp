#include "ControlRegistration.h"

#include "ClassTable.h"
#include "RegistryFile.h"
#include "VeldoSharedControlsApi.h"

#include <QFileInfo>

#include <dlfcn.h>

std::int32_t ControlRegistration::registerLibrary(const QString &libraryPath)
{
    if (libraryPath.isEmpty())
        return VeldoResult::RegistryFailed;
    VeldoHost::RegistryFile registry;
    // A registry that cannot be read is left alone rather than overwritten.
    if (!registry.load())
        return VeldoResult::RegistryFailed;
    for (const ControlClass &entry : ClassTable::classes()) {
        registry.insert({entry.className(), entry.classId(), libraryPath,
                         QString::fromLatin1(VeldoSharedControlsInfo::version)});
    }
    return registry.save() ? VeldoResult::Ok : VeldoResult::RegistryFailed;
}

std::int32_t ControlRegistration::unregisterLibrary()
{
    VeldoHost::RegistryFile registry;
    if (!registry.load())
        return VeldoResult::RegistryFailed;
    for (const ControlClass &entry : ClassTable::classes())
        registry.remove(entry.className());
    return registry.save() ? VeldoResult::Ok : VeldoResult::RegistryFailed;
}

QString ControlRegistration::ownLibraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&ControlRegistration::ownLibraryPath), &info) == 0 ||
        !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}
