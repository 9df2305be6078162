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

CheckFailure checkLayerField(std::string_view text, const LayerLimits &limits,
                             const AskYesNo &askYesNo, float &value)
{
    if (auto failure = checkNumberField(text, limits.field, limits.specifyMessage, value))
        return failure;
    if (limits.notPositiveMessage && value <= 0)
        return refuse(limits.field, limits.notPositiveMessage);
    if (limits.belowLeastMessage && value < limits.least)
        return refuse(limits.field, limits.belowLeastMessage);
    if (value >= limits.recommended)
        return std::nullopt;
    if (!limits.askBelowRecommended)
        return refuse(limits.field, limits.belowRecommended);
    if (askYesNo && askYesNo(limits.belowRecommended))
        return std::nullopt;
    CalcOutcome declined;
    declined.status = CalcOutcome::Status::Declined;
    return declined;
}

CheckFailure checkPorosityAndElevation(const CalcInputs &in, InputValues &v)
{
    if (auto failure = checkNumberField(in.porosity, InputField::Porosity,
                                        Messages::SpecifyPorosity, v.porosity))
        return failure;
    if (!(1 <= v.porosity && v.porosity <= 100))
        return refuse(InputField::Porosity, Messages::PorosityRange);
    return checkNumberField(in.baseElevation, InputField::BaseElevation, Messages::SpecifyElevation,
                            v.baseElevation);
}
