#include "DecimalSeparator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// Languages that write a decimal comma in their main territory, and below the territories
// that differ from their language, as Qt 6.4's locale data has them (LocaleAgreementTest
// compares every locale Qt knows, so a newer Qt that differs fails there).
constexpr std::array<std::string_view, 99> CommaLanguages = {
    "af",  "agq", "ast", "az",  "bas", "be",  "bg",  "br",  "bs",  "ca",  "cs", "da",  "de",
    "dsb", "dua", "dyo", "el",  "eo",  "es",  "et",  "eu",  "ewo", "ff",  "fi", "fo",  "fr",
    "fur", "fy",  "gl",  "hr",  "hsb", "hu",  "hy",  "ia",  "id",  "is",  "it", "jgo", "jv",
    "ka",  "kab", "kea", "kgp", "kk",  "kkj", "kl",  "km",  "ksf", "ksh", "ku", "ky",  "lb",
    "ln",  "lo",  "lt",  "lu",  "lv",  "mgh", "mk",  "mua", "nb",  "nds", "nl", "nmg", "nn",
    "nnh", "os",  "pl",  "pt",  "rn",  "ro",  "ru",  "rw",  "sah", "sc",  "se", "seh", "sg",
    "shi", "sk",  "sl",  "smn", "sq",  "sr",  "su",  "sv",  "tg",  "tk",  "tr", "tt",  "tzm",
    "uk",  "uz",  "vi",  "wae", "wo",  "yav", "yrl", "zgh"};

constexpr std::array<std::string_view, 36> OtherThanLanguage = {
    "ar_DZ", "ar_LY", "ar_MA", "ar_TN", "az_IR", "de_CH", "de_LI", "en_AT",  "en_BE",
    "en_DE", "en_DK", "en_FI", "en_NL", "en_SE", "en_SI", "en_ZA", "es_419", "es_BR",
    "es_BZ", "es_CU", "es_DO", "es_GT", "es_HN", "es_MX", "es_NI", "es_PA",  "es_PE",
    "es_PR", "es_SV", "es_US", "it_CH", "ms_BN", "ms_ID", "qu_BO", "sw_CD",  "uz_AF"};

// Old language codes Qt still accepts.
std::string_view currentLanguageCode(std::string_view code)
{
    if (code == "no")
        return "nb";
    if (code == "in")
        return "id";
    if (code == "iw")
        return "he";
    return code;
}

template <std::size_t N>
bool contains(const std::array<std::string_view, N> &list, std::string_view value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

const char *nonEmptyVariable(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value ? value : nullptr;
}
} // namespace

char decimalSeparatorForLocale(std::string_view localeName)
{
    // "de_DE.UTF-8@euro": language, optional script, territory; the code set and modifier
    // say nothing about numbers.
    localeName = localeName.substr(0, localeName.find_first_of(".@"));
    std::vector<std::string> parts(1);
    for (const char c : localeName) {
        if (c == '_' || c == '-')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    std::string language = parts[0];
    std::transform(language.begin(), language.end(), language.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string territory;
    for (std::size_t i = 1; i < parts.size() && territory.empty(); ++i) {
        if (parts[i].size() != 4) // a script such as "Latn" comes before the territory
            territory = parts[i];
    }
    std::transform(territory.begin(), territory.end(), territory.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });

    const std::string_view code = currentLanguageCode(language);
    const bool comma = contains(CommaLanguages, code) !=
                       contains(OtherThanLanguage, std::string(code) + "_" + territory);
    return comma ? ',' : '.';
}

char decimalSeparatorFromEnvironment()
{
    const char *name = nonEmptyVariable("LC_ALL");
    if (!name)
        name = nonEmptyVariable("LC_NUMERIC");
    if (!name)
        name = nonEmptyVariable("LANG");
    return decimalSeparatorForLocale(name ? name : "C");
}
