#pragma once

#include "VeldoSharedControlsGlobal.h"

#include <cstdint>

class QObject;

// Exported entry points of libVeldoSharedControls.so. Results follow the usual component
// convention: 0 success, 1 "false", negative values are failures.
namespace VeldoResult {
inline constexpr std::int32_t Ok = 0;
inline constexpr std::int32_t False = 1;
inline constexpr std::int32_t InvalidArgument = static_cast<std::int32_t>(0x80070057u);
inline constexpr std::int32_t ClassNotAvailable = static_cast<std::int32_t>(0x80040111u);
inline constexpr std::int32_t RegistryFailed = static_cast<std::int32_t>(0x80040201u);
} // namespace VeldoResult

extern "C" {
// Records the four classes, with this library's path, in the per-user registry file.
VELDO_CONTROLS_EXPORT std::int32_t DllRegisterServer();
// Removes the four classes from the registry file.
VELDO_CONTROLS_EXPORT std::int32_t DllUnregisterServer();
// Class factory for a class name ("VeldoSharedControls.vdoCombo") or class id ("{...}"). The
// factory is owned by the library; call its invokable CreateInstance(QWidget *parent).
VELDO_CONTROLS_EXPORT std::int32_t DllGetClassObject(const char *classNameOrId,
                                                     QObject **classObject);
// Ok when no object of the library is alive, False otherwise.
VELDO_CONTROLS_EXPORT std::int32_t DllCanUnloadNow();
}
