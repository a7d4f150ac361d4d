#include "settings/common_dlgs_w.h"

#include "platform/qt_file_filters.h"
#include "platform/system_colors.h"

#include <QFileInfo>

namespace brisquel {
namespace {

std::int32_t packColor(const QColor& color)
{
    return static_cast<std::int32_t>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QColor unpackColor(std::int32_t value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

// The file-name buffer as a multiple choice leaves it: the folder, then every name, each
// ended by a NUL, and one more NUL; a single choice is the whole path.
QString multipleChoiceBuffer(const QStringList& files)
{
    if (files.size() == 1)
        return files.first();
    QString buffer = QFileInfo(files.first()).absolutePath();
    buffer += QChar(0);
    for (const QString& file : files)
        buffer += QFileInfo(file).fileName() + QChar(0);
    return buffer + QChar(0);
}

} // namespace

CommonDlgsW::CommonDlgsW(Desktop& desktop)
    : m_desktop(desktop)
{
    m_customColors.fill(QColor(0, 0, 0));
}

bool CommonDlgsW::ShowOpen(QWidget* owner)
{
    return showFileDialog(owner, false);
}

bool CommonDlgsW::ShowSave(QWidget* owner)
{
    return showFileDialog(owner, true);
}

bool CommonDlgsW::showFileDialog(QWidget* owner, bool save)
{
    Desktop::FileRequest request;
    request.title = DialogTitle;
    request.folder = InitDir;
    request.fileName = FileName;
    request.filters = qtFileFilters(Filter);
    request.filterIndex = FilterIndex - 1;
    request.defaultSuffix = DefaultExt;
    request.multiple = (Flags & AllowMultiSelect) != 0;
    request.mustExist = (Flags & FileMustExist) != 0;

    const auto answer = save ? m_desktop.saveFile(owner, request) : m_desktop.openFile(owner, request);
    if (!answer || answer->files.isEmpty())
        return false;
    const QString buffer = multipleChoiceBuffer(answer->files);
    if (buffer.size() >= MaxFileSize)
        return false;

    const std::int32_t requested = Flags;
    FileName = buffer;
    FileTitle.clear();
    std::int32_t returned = requested;
    if (!(requested & AllowMultiSelect)) {
        FileName = FileName.section(QChar(0), 0, 0);
        if (!(requested & NoValidate)) {
            FileTitle = QFileInfo(FileName).fileName();
            Title = FileTitle;
        }
        if (!DefaultExt.isEmpty() && QFileInfo(FileName).suffix().compare(DefaultExt, Qt::CaseInsensitive) != 0)
            returned |= ExtensionDifferent;
    }
    Flags = returned;
    return true;
}

bool CommonDlgsW::ShowColor(QWidget* owner)
{
    const auto chosen = m_desktop.chooseColor(owner, unpackColor(m_color), m_customColors);
    if (!chosen)
        return false;
    m_color = packColor(*chosen);
    return true;
}

void CommonDlgsW::setColor(std::int32_t value)
{
    m_color = value < 0 ? packColor(systemColor(value & 0xffff)) : value;
}

} // namespace brisquel
