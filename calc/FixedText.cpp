#include "FixedText.h"

#include "NumberConversions.h"

std::string fixedText(double value, int decimals)
{
    std::string text = numbers::fixedPointText(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}
