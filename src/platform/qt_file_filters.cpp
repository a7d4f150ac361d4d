#include "platform/qt_file_filters.h"

namespace brisquel {
namespace {

QString qtPatterns(const QString& patterns)
{
    QStringList out;
    for (QString pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        pattern = pattern.trimmed();
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
        if (!pattern.isEmpty())
            out << pattern;
    }
    return out.join(QLatin1Char(' '));
}

// "MP3 Audio(*.mp3)" gives "MP3 Audio": Qt shows the patterns after it once.
QString bareDescription(const QString& description)
{
    QString text = description.trimmed();
    const int open = text.lastIndexOf(QLatin1Char('('));
    if (text.endsWith(QLatin1Char(')')) && open > 0)
        text = text.left(open).trimmed();
    return text;
}

} // namespace

QStringList qtFileFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = qtPatterns(parts.at(i + 1));
        if (patterns.isEmpty())
            continue;
        const QString description = bareDescription(parts.at(i));
        filters << (description.isEmpty() ? patterns : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

} // namespace brisquel
