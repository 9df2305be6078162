#pragma once

#include "CalcOutcome.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The two kinds of field check both methods share. Each reads the field's trimmed text and
// returns the refusal to show, or nothing when the value was read into the out argument.
using CheckFailure = std::optional<CalcOutcome>;

// A count: a whole number from 1 to 32767.
CheckFailure checkCountField(std::string_view text, InputField field, const char *specifyMessage,
                             const char *tooFewMessage, int16_t &value);

// A number that a single-precision float holds; its limits are the caller's to check.
CheckFailure checkNumberField(std::string_view text, InputField field, const char *specifyMessage,
                              float &value);

inline CheckFailure refuse(InputField field, const char *message)
{
    return CalcOutcome::refused(field, message);
}
