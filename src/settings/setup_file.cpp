#include "settings/setup_file.h"

#include "input/utf8_text.h"
#include "settings/settings_field_reader.h"
#include "settings/settings_file.h"
#include "settings/whole_number.h"

#include <cstdint>

namespace brisquel {
namespace {

using List = SetupSettings::List;

constexpr char FileName[] = "/setup.ini";

std::string quotedLine(std::string_view text)
{
    return "\"" + std::string(text) + "\"\r\n";
}

// The program saves the folder as UTF-8 text, and no path holds a NUL: a field that breaks
// either rule comes from some other file put in the place of setup.ini, and shown as the
// folder it would have the first batch make a folder of that garbage.
bool isFolderText(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const auto c = decodeUtf8(text, pos);
        if (!c || *c == 0)
            return false;
    }
    return true;
}

} // namespace

void readSetup(std::string_view bytes, SetupSettings& panel)
{
    SettingsFieldReader reader(bytes);
    const auto applyPosition = [&](List list) {
        if (const auto field = reader.next()) {
            if (const auto position = strictWholeNumber<std::int16_t>(*field))
                panel.setListPosition(list, *position);
        }
    };
    applyPosition(List::Bitrate);
    applyPosition(List::SampleRate);
    applyPosition(List::Channels);
    if (const auto folder = reader.next(); folder && isFolderText(*folder))
        panel.setFolderText(*folder);
    applyPosition(List::Format);
}

std::string setupText(const SetupSettings& panel)
{
    const auto position = [&](List list) { return quotedLine(std::to_string(panel.listPosition(list))); };
    const std::string folder = panel.folderText();
    return position(List::Bitrate) + position(List::SampleRate) + position(List::Channels)
        + quotedLine(std::string_view(folder).substr(0, folder.find_first_of("\r\n")))
        + position(List::Format);
}

void LoadSetupFile(const std::string& folder, SetupSettings& panel, const std::string& defaultFolder)
{
    if (const auto bytes = readSettingsFile(folder + FileName))
        readSetup(*bytes, panel);
    if (panel.folderText().empty())
        panel.setFolderText(defaultFolder);
}

void SaveSetupFile(const std::string& folder, const SetupSettings& panel)
{
    writeSettingsFile(folder + FileName, setupText(panel));
}

} // namespace brisquel
