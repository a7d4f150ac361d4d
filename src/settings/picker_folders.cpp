#include "settings/picker_folders.h"

#include <QDir>
#include <QFileInfo>

namespace brisquel {
namespace {

bool isFolder(const QString& path)
{
    // A relative path would be read against the current folder, which is never a start.
    return !path.isEmpty() && QDir::isAbsolutePath(path) && QFileInfo(path).isDir();
}

QString parentOf(const QString& folder)
{
    if (!QDir::isAbsolutePath(folder))
        return {};
    return QFileInfo(QDir::cleanPath(folder)).absolutePath();
}

} // namespace

PickerFolders::PickerFolders(QString musicFolder, QString homeFolder)
    : m_music(std::move(musicFolder))
    , m_home(std::move(homeFolder))
{
}

QString PickerFolders::startFolder(Purpose purpose, const QString& outputFolder) const
{
    const QString usual = purpose == Purpose::OutputFolder ? parentOf(outputFolder) : m_music;
    for (const QString& candidate : {m_last[static_cast<int>(purpose)], usual, m_home})
        if (isFolder(candidate))
            return QDir::cleanPath(candidate);
    return QDir::rootPath();
}

void PickerFolders::remember(Purpose purpose, const QString& folder)
{
    m_last[static_cast<int>(purpose)] = folder;
}

} // namespace brisquel
