#include "ui/dropped_files.h"

#include <QMimeData>
#include <QUrl>

namespace brisquel {

std::vector<std::string> droppedFiles(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == QLatin1String("localhost")))
            continue;
        // Decoding to text would turn name bytes that are not UTF-8 into U+FFFD.
        const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        // A NUL would end the path early at the system's door, naming another file.
        if (path.isEmpty() || path.contains('\0'))
            continue;
        paths.emplace_back(path.constData(), static_cast<std::size_t>(path.size()));
    }
    return paths;
}

} // namespace brisquel
