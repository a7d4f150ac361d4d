#pragma once

#include "platform/desktop.h"

namespace brisquel {

// The real desktop: Qt's message boxes and dialogs, QDesktopServices, Qt Multimedia.
class QtDesktop : public Desktop
{
public:
    void showMessage(QWidget* owner, Icon icon, const QString& title, const QString& text) override;
    void showDetailedMessage(QWidget* owner, Icon icon, const QString& title, const QString& text,
                             const QString& details) override;
    std::optional<FileAnswer> openFile(QWidget* owner, const FileRequest& request) override;
    std::optional<FileAnswer> saveFile(QWidget* owner, const FileRequest& request) override;
    std::optional<QColor> chooseColor(QWidget* owner, QColor initial, CustomColors& custom) override;
    std::optional<QString> pickFolder(QWidget* owner, const QString& prompt, const QString& start) override;
    void openUrl(const QUrl& url) override;
    void playSound(const QString& path) override;
};

} // namespace brisquel
