#pragma once

#include "platform/desktop.h"

#include <QUrl>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace brisquel::test {

// A desktop whose dialogs answer from a script and whose message boxes, opened addresses
// and sounds are only recorded, so no test ever waits on a modal window. A dialog with no
// answer left in its script is cancelled.
class ScriptedDesktop : public Desktop
{
public:
    struct Message
    {
        Icon icon;
        QString title;
        QString text;
        QString details;
    };

    void showMessage(QWidget* owner, Icon icon, const QString& title, const QString& text) override;
    void showDetailedMessage(QWidget* owner, Icon icon, const QString& title, const QString& text,
                             const QString& details) override;
    std::optional<FileAnswer> openFile(QWidget* owner, const FileRequest& request) override;
    std::optional<FileAnswer> saveFile(QWidget* owner, const FileRequest& request) override;
    std::optional<QColor> chooseColor(QWidget* owner, QColor initial, CustomColors& custom) override;
    std::optional<QString> pickFolder(QWidget* owner, const QString& prompt, const QString& start) override;
    void openUrl(const QUrl& url) override;
    void playSound(const QString& path) override;

    std::deque<std::optional<QStringList>> fileAnswers; // open and save
    std::deque<std::optional<QString>> folderAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::optional<QColor> customColorToDefine; // "defined" in the next colour dialog, slot 0

    std::vector<Message> messages;
    // Runs while a message box stands open, as a user acting before closing it would.
    std::function<void(const Message&)> whileMessageOpen;
    std::vector<FileRequest> fileRequests;
    std::vector<QString> folderStarts; // where each folder browser opened
    std::vector<QColor> colorRequests;
    std::vector<QUrl> openedUrls;
    std::vector<QString> sounds;
};

} // namespace brisquel::test
