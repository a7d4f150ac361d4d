#pragma once

#include "platform/desktop.h"

#include <QString>

#include <cstdint>

class QWidget;

namespace brisquel {

// The open, save and colour dialogs as one object whose fields carry the request in and the
// answer out. The object is reused, so a field keeps what the previous use left in it.
class CommonDlgsW
{
public:
    static constexpr std::int32_t AllowMultiSelect = 0x200;
    static constexpr std::int32_t NoValidate = 0x100;
    static constexpr std::int32_t FileMustExist = 0x1000;
    static constexpr std::int32_t ExtensionDifferent = 0x400;
    static constexpr int BufferSize = 256;

    explicit CommonDlgsW(Desktop& desktop);

    std::int32_t Flags = 0;
    QString DefaultExt;
    QString DialogTitle;
    QString Title;       // after a single choice: the file's name without its folder
    QString FileName;    // before: the initial name; after: the chosen path
    QString FileTitle;
    QString Filter = QStringLiteral("All files (*.*)|*.*");
    std::int32_t FilterIndex = 1; // from 1
    QString InitDir;
    std::int32_t MaxFileSize = BufferSize;

    // False when cancelled or refused; the fields are then unchanged. A chosen path that
    // does not fit MaxFileSize characters (with its terminator) is refused.
    bool ShowOpen(QWidget* owner);
    bool ShowSave(QWidget* owner);
    bool ShowColor(QWidget* owner);

    // Red in the low byte, then green, then blue. A negative value names a system colour by
    // its low 16 bits and stores that colour's current value.
    std::int32_t Color() const { return m_color; }
    void setColor(std::int32_t value);

private:
    bool showFileDialog(QWidget* owner, bool save);

    Desktop& m_desktop;
    std::int32_t m_color = 0xC0C0C0;
    Desktop::CustomColors m_customColors;
};

} // namespace brisquel
