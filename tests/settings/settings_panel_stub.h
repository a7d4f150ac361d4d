#pragma once

#include "settings/setup_settings.h"

#include <array>

namespace brisquel::test {

// The panel's state as plain members, with the panel's list sizes: bitrate 12 entries,
// sample rate 8, channels 2, format 9. Starts at the panel's defaults.
class SettingsPanelStub : public SetupSettings
{
public:
    int listPosition(List list) const override { return positions[index(list)]; }
    void setListPosition(List list, int position) override
    {
        if (position >= -1 && position < Sizes[index(list)])
            positions[index(list)] = position;
    }
    std::string folderText() const override { return folder; }
    void setFolderText(const std::string& text) override { folder = text; }

    static constexpr std::array<int, 4> Sizes = {12, 8, 2, 9};
    std::array<int, 4> positions = {7, 1, 1, 0};
    std::string folder;

private:
    static std::size_t index(List list) { return static_cast<std::size_t>(list); }
};

} // namespace brisquel::test
