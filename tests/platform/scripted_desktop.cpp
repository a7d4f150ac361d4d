#include "scripted_desktop.h"

namespace brisquel::test {
namespace {

template <typename T>
std::optional<T> next(std::deque<std::optional<T>>& script)
{
    std::optional<T> answer;
    if (!script.empty()) {
        answer.swap(script.front());
        script.pop_front();
    }
    return answer;
}

} // namespace

void ScriptedDesktop::showMessage(QWidget* owner, Icon icon, const QString& title, const QString& text)
{
    showDetailedMessage(owner, icon, title, text, {});
}

void ScriptedDesktop::showDetailedMessage(QWidget*, Icon icon, const QString& title, const QString& text,
                                          const QString& details)
{
    messages.push_back({icon, title, text, details});
    if (whileMessageOpen)
        whileMessageOpen(Message(messages.back()));
}

std::optional<Desktop::FileAnswer> ScriptedDesktop::openFile(QWidget*, const FileRequest& request)
{
    fileRequests.push_back(request);
    const auto files = next(fileAnswers);
    if (!files)
        return std::nullopt;
    return FileAnswer{*files, request.filterIndex};
}

std::optional<Desktop::FileAnswer> ScriptedDesktop::saveFile(QWidget* owner, const FileRequest& request)
{
    return openFile(owner, request);
}

std::optional<QColor> ScriptedDesktop::chooseColor(QWidget*, QColor initial, CustomColors& custom)
{
    colorRequests.push_back(initial);
    if (customColorToDefine)
        custom[0] = *std::exchange(customColorToDefine, std::nullopt);
    return next(colorAnswers);
}

std::optional<QString> ScriptedDesktop::pickFolder(QWidget*, const QString&, const QString& start)
{
    folderStarts.push_back(start);
    return next(folderAnswers);
}

void ScriptedDesktop::openUrl(const QUrl& url)
{
    openedUrls.push_back(url);
}

void ScriptedDesktop::playSound(const QString& path)
{
    sounds.push_back(path);
}

} // namespace brisquel::test
