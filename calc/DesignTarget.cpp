#include "DesignTarget.h"

#include "TextParsers.h"

#include <cmath>

bool DesignTarget::used() const
{
    for (const TargetSetting &setting : TargetSettings) {
        if (!(this->*setting.text).empty())
            return true;
    }
    return false;
}

namespace {
std::string requirement(const TargetSetting &setting)
{
    const std::string what = std::string("The ") + setting.name + " must be ";
    switch (setting.kind) {
    case TargetSettingKind::PositiveNumber:
        return what + "a positive number of " + setting.unit + ".";
    case TargetSettingKind::Number:
        return what + "a number of " + setting.unit + ".";
    case TargetSettingKind::Count:
        return what + "a whole number from 1 to 32767.";
    }
    return what;
}

// Reads one setting into its value; false when its text is not what the setting takes.
template <typename T>
bool readSetting(const TargetSetting &setting, const std::string &text, std::optional<T> &value)
{
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty())
        return true;
    if (setting.kind == TargetSettingKind::Count) {
        int16_t count = 0;
        if (parseInt16(trimmed, count) != ParseStatus::Ok || count < 1)
            return false;
        value = count;
        return true;
    }
    double number = 0;
    if (parseDouble(trimmed, number) != ParseStatus::Ok)
        return false;
    if (setting.kind == TargetSettingKind::PositiveNumber && !(number > 0))
        return false;
    value = static_cast<T>(number);
    return true;
}
} // namespace

std::string settingProblem(const TargetSetting &setting, const std::string &text)
{
    bool readable = false;
    if (setting.kind == TargetSettingKind::Count) {
        std::optional<int> count;
        readable = readSetting(setting, text, count);
    } else {
        std::optional<double> number;
        readable = readSetting(setting, text, number);
    }
    return readable ? std::string() : requirement(setting);
}

TargetReading readTarget(const DesignTarget &target)
{
    TargetReading reading;
    TargetValues &v = reading.values;
    const auto read = [&](const TargetSetting &setting, auto &value) {
        // Every valid setting is read; the first that is not is the problem.
        if (readSetting(setting, target.*setting.text, value) || reading.problem)
            return;
        reading.problem = &setting;
        reading.message = requirement(setting);
    };
    read(TargetSettings[0], v.requiredStorage);
    read(TargetSettings[1], v.elevation);
    read(TargetSettings[2], v.maxLength);
    read(TargetSettings[3], v.maxWidth);
    read(TargetSettings[4], v.maxRows);
    read(TargetSettings[5], v.maxPerRow);
    read(TargetSettings[6], v.infiltrationRate);
    return reading;
}
