#include "ClipboardText.h"

#include "LineBreaks.h"
#include "NumberText.h"

std::string StageAreaClipboardText(const ResultState &state)
{
    std::string text;
    for (std::size_t i = 0; i < state.EquivStage.size(); ++i)
        text += NumToText(state.EquivStage[i]) + "\t" + NumToText(state.EquivArea[i]) + LineBreak;
    return text;
}

std::string LengthClipboardText(const ResultState &state)
{
    return NumToText(state.SystemLength);
}

std::string WidthClipboardText(const ResultState &state)
{
    return NumToText(state.SystemWidth);
}
