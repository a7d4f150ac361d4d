#pragma once

#include <QString>
#include <QUrl>

#include <string>

namespace brisquel {

// The help page is the program's own, beside the executable (the build and the install put
// it there), so Help works offline and opens something that exists.
inline constexpr char HelpPageName[] = "brisquel.html";

inline QUrl helpPageUrl(const std::string& programFolder)
{
    return QUrl::fromLocalFile(QString::fromStdString(programFolder) + QLatin1Char('/') + QLatin1String(HelpPageName));
}

} // namespace brisquel
