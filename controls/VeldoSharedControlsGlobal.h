#pragma once

#include "VeldoSharedControlsVersion.h"

#include <QtGlobal>

#if defined(VELDO_CONTROLS_BUILD)
#define VELDO_CONTROLS_EXPORT Q_DECL_EXPORT
#else
#define VELDO_CONTROLS_EXPORT Q_DECL_IMPORT
#endif

// Identity of the library as hosts and the register tool see it.
namespace VeldoSharedControlsInfo {
inline constexpr const char *libraryName = "VeldoSharedControls";
inline constexpr const char *version = VELDO_CONTROLS_VERSION;
inline constexpr const char *versionText = VELDO_CONTROLS_VERSION_TEXT;
inline constexpr const char *typeLibraryId = "{2EDFC880-3FD1-4672-94C5-A0161E4E2A21}";
} // namespace VeldoSharedControlsInfo
