#pragma once

#include <string_view>

// The decimal separator the window shows in the chamber storage column, found the way the
// window's toolkit finds its locale: the first of LC_ALL, LC_NUMERIC and LANG that is set and
// not empty names the locale ("C" when none is); its language and territory give the
// separator. A separator the report could not show as one character ('.' for Arabic) and
// unknown names give ".".
char decimalSeparatorForLocale(std::string_view localeName);

// The same from this process's environment variables.
char decimalSeparatorFromEnvironment();
