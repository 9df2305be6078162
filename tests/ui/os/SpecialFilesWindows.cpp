#include "SpecialFiles.h"

bool SpecialFiles::makeFifo(const QString &)
{
    return false;
}

bool SpecialFiles::namesAreBytes()
{
    return false;
}
