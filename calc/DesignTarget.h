#pragma once

#include <array>
#include <optional>
#include <string>

// What the designer asks of the bed beyond the form: the storage it must hold, the elevation
// it is counted below (the outlet), the limits of a layout and the rate it drains at. Kept as
// typed, like the form's fields, and read into numbers when used.
struct DesignTarget
{
    std::string requiredStorage;  // ft³
    std::string elevation;        // ft datum; empty: the whole bed counts
    std::string maxLength;        // ft
    std::string maxWidth;         // ft
    std::string maxRows;          // count
    std::string maxPerRow;        // count
    std::string infiltrationRate; // in/hr, the design rate (safety factor applied)

    // The user set at least one of them: the project keeps them.
    bool used() const;
    bool operator==(const DesignTarget &) const = default;
};

enum class TargetSettingKind
{
    PositiveNumber,
    Number,
    Count,
};

// One setting as the project file and the messages name it.
struct TargetSetting
{
    std::string DesignTarget::*text;
    const char *fileKey; // the project file's key
    const char *name;    // in messages: "the <name> must be ..."
    const char *unit;    // in messages
    TargetSettingKind kind;
};

inline constexpr std::array<TargetSetting, 7> TargetSettings = {{
    {&DesignTarget::requiredStorage, "RequiredStorage", "required storage", "cubic feet",
     TargetSettingKind::PositiveNumber},
    {&DesignTarget::elevation, "BelowElevation", "elevation", "feet", TargetSettingKind::Number},
    {&DesignTarget::maxLength, "LargestLength", "largest length", "feet",
     TargetSettingKind::PositiveNumber},
    {&DesignTarget::maxWidth, "LargestWidth", "largest width", "feet",
     TargetSettingKind::PositiveNumber},
    {&DesignTarget::maxRows, "MostRows", "most rows", "rows", TargetSettingKind::Count},
    {&DesignTarget::maxPerRow, "MostChambersPerRow", "most chambers per row", "chambers",
     TargetSettingKind::Count},
    {&DesignTarget::infiltrationRate, "InfiltrationRate", "infiltration rate", "inches per hour",
     TargetSettingKind::PositiveNumber},
}};

// The settings as numbers; an empty setting is none.
struct TargetValues
{
    std::optional<double> requiredStorage;
    std::optional<double> elevation;
    std::optional<double> maxLength;
    std::optional<double> maxWidth;
    std::optional<int> maxRows;
    std::optional<int> maxPerRow;
    std::optional<double> infiltrationRate;
};

// The settings read, and the first that cannot be with the reason (the others are read).
struct TargetReading
{
    TargetValues values;
    const TargetSetting *problem = nullptr;
    std::string message;

    bool ok() const { return problem == nullptr; }
};

TargetReading readTarget(const DesignTarget &target);

// Why a setting's text cannot be used, as readTarget says it; empty when it can (an empty
// text is no setting). Each field of a form shows its own setting's problem with it.
std::string settingProblem(const TargetSetting &setting, const std::string &text);
