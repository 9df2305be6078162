#include "ControlRegistration.h"

#include <QFileInfo>

#include <dlfcn.h>

QString ControlRegistration::ownLibraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&ControlRegistration::ownLibraryPath), &info) == 0 ||
        !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}
