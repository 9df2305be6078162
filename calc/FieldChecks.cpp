#include "FieldChecks.h"

#include "Messages.h"
#include "TextParsers.h"

#include <limits>

CheckFailure checkCountField(std::string_view text, InputField field, const char *specifyMessage,
                             const char *tooFewMessage, int16_t &value)
{
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty())
        return refuse(field, specifyMessage);
    long long wide = 0;
    if (parseWholeNumber(trimmed, wide) == ParseStatus::NotANumber)
        return refuse(field, Messages::NotAnInteger);
    if (wide > std::numeric_limits<int16_t>::max())
        return refuse(field, Messages::IntegerTooLarge);
    if (wide < 1)
        return refuse(field, tooFewMessage);
    value = static_cast<int16_t>(wide);
    return std::nullopt;
}

CheckFailure checkNumberField(std::string_view text, InputField field, const char *specifyMessage,
                              float &value)
{
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty())
        return refuse(field, specifyMessage);
    switch (parseSingle(trimmed, value)) {
    case ParseStatus::NotANumber:
        return refuse(field, Messages::NotANumber);
    case ParseStatus::OutOfRange:
        return refuse(field, Messages::NumberOutOfRange);
    case ParseStatus::Ok:
        break;
    }
    return std::nullopt;
}
