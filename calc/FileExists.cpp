#include "FileExists.h"

#include "Platform.h"

bool FileExists(const std::string &path)
{
    return platform::isOrdinaryFile(path);
}
