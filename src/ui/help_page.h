#pragma once

#include <QFileInfo>
#include <QString>
#include <QUrl>

#include <string>

namespace brisquel {

// The help page is the program's own, beside the executable (the build and the install put
// it there), so Help works offline and opens something that exists.
inline constexpr char HelpPageName[] = "brisquel.html";

// The page of `language` ("de": brisquel.de.html) when it stands beside the program,
// otherwise the English page: a language without a page still gets help.
inline QUrl helpPageUrl(const std::string& programFolder, const QString& language = {})
{
    const QString folder = QString::fromStdString(programFolder) + QLatin1Char('/');
    if (!language.isEmpty()) {
        const QString translated = folder + QStringLiteral("brisquel.%1.html").arg(language);
        if (QFileInfo(translated).isFile())
            return QUrl::fromLocalFile(translated);
    }
    return QUrl::fromLocalFile(folder + QLatin1String(HelpPageName));
}

} // namespace brisquel
