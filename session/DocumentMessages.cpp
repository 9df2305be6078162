#include "DocumentMessages.h"

#include "LineBreaks.h"

std::string DocumentMessages::saveFailure(const char *firstLine, const std::string &fileName,
                                          const std::string &reason)
{
    std::string text = std::string(firstLine) + LineBreak + fileName;
    if (!reason.empty())
        text += LineBreak + reason;
    return text;
}
