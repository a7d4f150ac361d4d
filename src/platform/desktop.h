#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QUrl;
class QWidget;

namespace brisquel {

// Every place where the program hands control to the desktop: message boxes, the standard
// dialogs, shell open and sound. The window reaches them only through this, so a test can
// answer the dialogs and record the message boxes without a modal window ever blocking.
class Desktop
{
public:
    enum class Icon { None, Information, Warning, Critical };

    struct FileRequest
    {
        QString title;         // empty: the platform's own caption
        QString folder;        // folder shown first; empty: the platform's choice
        QString fileName;      // initial name
        QStringList filters;   // Qt form, "MP3 Audio (*.mp3)"
        int filterIndex = 0;   // from 0
        QString defaultSuffix; // without the dot
        bool multiple = false;
        bool mustExist = false; // a typed name that names no file is refused
    };

    struct FileAnswer
    {
        QStringList files; // full paths, at least one
        int filterIndex = 0;
    };

    using CustomColors = std::array<QColor, 16>;

    virtual ~Desktop() = default;

    // An OK box; returns when the user has closed it.
    virtual void showMessage(QWidget* owner, Icon icon, const QString& title, const QString& text) = 0;
    // The same with `details` offered behind the message ("Show Details...").
    virtual void showDetailedMessage(QWidget* owner, Icon icon, const QString& title, const QString& text,
                                     const QString& details) = 0;

    // Nothing when cancelled.
    virtual std::optional<FileAnswer> openFile(QWidget* owner, const FileRequest& request) = 0;
    virtual std::optional<FileAnswer> saveFile(QWidget* owner, const FileRequest& request) = 0;
    // `custom` is shown and takes back what the user defined, chosen or not.
    virtual std::optional<QColor> chooseColor(QWidget* owner, QColor initial, CustomColors& custom) = 0;
    // The chosen folder's local path; nothing when cancelled. The browser opens in `start`.
    virtual std::optional<QString> pickFolder(QWidget* owner, const QString& prompt, const QString& start) = 0;

    // Shell "open" of a folder or a web address; the outcome is not reported.
    virtual void openUrl(const QUrl& url) = 0;

    // Plays a wave file to its end (bounded); the system's default sound when it cannot.
    virtual void playSound(const QString& path) = 0;
};

} // namespace brisquel
