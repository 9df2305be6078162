#pragma once

#include <QString>

#include <cstdint>

// Records or removes the library's classes in the per-user registry file.
class ControlRegistration
{
public:
    static std::int32_t registerLibrary(const QString &libraryPath);
    static std::int32_t unregisterLibrary();
    // Absolute path of the loaded library file itself.
    static QString ownLibraryPath();
};
