#include "ControlRegistration.h"

#include <QDir>

#include <windows.h>

QString ControlRegistration::ownLibraryPath()
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&ControlRegistration::ownLibraryPath), &module))
        return {};
    // Paths longer than MAX_PATH are possible; the buffer grows until the name fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return QDir::fromNativeSeparators(QString::fromWCharArray(path.data(), length));
        path.resize(path.size() * 2);
    }
}
