#include "Calculator.h"

#include "Messages.h"

CalcOutcome cmdCalculate_Click(const CalcInputs &inputs, const CalcEnvironment &environment,
                               ResultState &state)
{
    if (inputs.method == 1)
        return CalcKnownBedArea(inputs, environment, state);
    if (inputs.method == 2)
        return CalcRectangularArray(inputs, environment, state);
    CalcOutcome outcome = CalcOutcome::refused(InputField::None, Messages::ChooseMethod);
    outcome.outputCleared = false;
    return outcome;
}
