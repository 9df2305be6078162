#pragma once

#include <QString>

// Fixed names of the help documents and the maker's web address. The documents lie in the
// application directory; the address is the one place the web site is set.
namespace HelpResources {

inline const QString TechnicalMemoFileName = QStringLiteral(
    "VELDO Technical Memo - Adjusting Geometry Parameters for an Exfiltration Trench.pdf");
inline const QString DesignManualFileName = QStringLiteral("Tessivane Design Manual.pdf");
inline const QString WebSiteAddress = QStringLiteral("https://www.example.com/tessivane");

} // namespace HelpResources
