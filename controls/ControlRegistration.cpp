#include "ControlRegistration.h"

#include "ClassTable.h"
#include "RegistryFile.h"
#include "VeldoSharedControlsApi.h"

namespace {
// Unregistering from a registry without our entries (or none at all) changes nothing on disk.
std::int32_t saveIfModified(VeldoHost::RegistryFile &registry)
{
    if (!registry.isModified())
        return VeldoResult::Ok;
    return registry.save() ? VeldoResult::Ok : VeldoResult::RegistryFailed;
}
} // namespace

std::int32_t ControlRegistration::registerLibrary(const QString &libraryPath)
{
    if (libraryPath.isEmpty())
        return VeldoResult::RegistryFailed;
    VeldoHost::RegistryFile registry;
    // A registry that cannot be read, or of a newer format, is left alone.
    if (!registry.load() || registry.isNewerFormat())
        return VeldoResult::RegistryFailed;
    for (const ControlClass &entry : ClassTable::classes()) {
        registry.insert({entry.className(), entry.classId(), libraryPath,
                         QString::fromLatin1(VeldoSharedControlsInfo::version)});
    }
    return saveIfModified(registry);
}

std::int32_t ControlRegistration::unregisterLibrary()
{
    VeldoHost::RegistryFile registry;
    if (!registry.load() || registry.isNewerFormat())
        return VeldoResult::RegistryFailed;
    for (const ControlClass &entry : ClassTable::classes())
        registry.remove(entry.className());
    return saveIfModified(registry);
}
