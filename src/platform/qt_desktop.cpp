#include "platform/qt_desktop.h"

#include "platform/play_sound.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace brisquel {
namespace {

QMessageBox::Icon messageIcon(Desktop::Icon icon)
{
    switch (icon) {
    case Desktop::Icon::Information: return QMessageBox::Information;
    case Desktop::Icon::Warning: return QMessageBox::Warning;
    case Desktop::Icon::Critical: return QMessageBox::Critical;
    case Desktop::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

std::optional<Desktop::FileAnswer> runFileDialog(QWidget* owner, const Desktop::FileRequest& request,
                                                 QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(owner, request.title, request.folder);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptSave)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (request.multiple)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.filters.isEmpty()) {
        dialog.setNameFilters(request.filters);
        if (request.filterIndex >= 0 && request.filterIndex < request.filters.size())
            dialog.selectNameFilter(request.filters.at(request.filterIndex));
    }
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    Desktop::FileAnswer answer;
    answer.files = dialog.selectedFiles();
    answer.filterIndex = std::max(0, static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())));
    return answer;
}

} // namespace

void QtDesktop::showMessage(QWidget* owner, Icon icon, const QString& title, const QString& text)
{
    showDetailedMessage(owner, icon, title, text, {});
}

void QtDesktop::showDetailedMessage(QWidget* owner, Icon icon, const QString& title, const QString& text,
                                    const QString& details)
{
    // The texts keep CR LF line ends; a Qt label breaks at LF alone.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(messageIcon(icon), title, shown, QMessageBox::Ok, owner);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.exec();
}

std::optional<Desktop::FileAnswer> QtDesktop::openFile(QWidget* owner, const FileRequest& request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptOpen);
}

std::optional<Desktop::FileAnswer> QtDesktop::saveFile(QWidget* owner, const FileRequest& request)
{
    return runFileDialog(owner, request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDesktop::chooseColor(QWidget* owner, QColor initial, CustomColors& custom)
{
    // Qt keeps one set of custom colours for the whole program; each caller brings its own.
    for (int i = 0; i < static_cast<int>(custom.size()); ++i)
        QColorDialog::setCustomColor(i, custom[i]);
    QColorDialog dialog(initial, owner);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < static_cast<int>(custom.size()); ++i)
        custom[i] = QColorDialog::customColor(i);
    if (!accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QString> QtDesktop::pickFolder(QWidget* owner, const QString& prompt, const QString& start)
{
    const QString folder = QFileDialog::getExistingDirectory(owner, prompt, start, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

void QtDesktop::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void QtDesktop::playSound(const QString& path)
{
    playSoundToEnd(path);
}

} // namespace brisquel
