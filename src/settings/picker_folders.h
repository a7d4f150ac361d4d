#pragma once

#include <QString>

#include <array>

namespace brisquel {

// Where each picker opens: in the folder last used for its purpose during this run, else
// in its usual place (the music folder for the two intakes, the output folder's parent for
// the output folder's chooser), else in the home folder. A candidate that is not an
// existing folder is passed over, so a picker never falls back on the process's current
// folder.
class PickerFolders
{
public:
    enum class Purpose { AddFile, AddFolder, OutputFolder };

    PickerFolders(QString musicFolder, QString homeFolder);

    // `outputFolder` is the output folder as the panel shows it.
    QString startFolder(Purpose purpose, const QString& outputFolder = {}) const;
    void remember(Purpose purpose, const QString& folder);

private:
    std::array<QString, 3> m_last;
    QString m_music;
    QString m_home;
};

} // namespace brisquel
