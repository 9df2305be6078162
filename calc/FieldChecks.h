#pragma once

#include "CalcOutcome.h"
#include "CalcRecord.h"

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

// How thin a stone layer (the foundation or the cover, inches) a method accepts, as data.
struct LayerLimits
{
    InputField field;
    const char *specifyMessage;
    const char *notPositiveMessage; // nullptr: the recommended least refuses first
    double least;                   // below it the pond's rows would fall: refused
    const char *belowLeastMessage;  // nullptr: no such least
    double recommended = 6;
    const char *belowRecommended; // the refusal, or the question when askBelowRecommended
    bool askBelowRecommended;
};

// A stone layer's thickness checked against the limits; a No to the question stops silently.
CheckFailure checkLayerField(std::string_view text, const LayerLimits &limits,
                             const AskYesNo &askYesNo, float &value);

// The porosity and the base elevation: the last checks of both methods, alike in both.
CheckFailure checkPorosityAndElevation(const CalcInputs &inputs, InputValues &values);
