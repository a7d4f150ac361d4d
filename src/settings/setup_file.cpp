#include "settings/setup_file.h"

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
    if (const auto folder = reader.next())
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
