#pragma once

#include <string>

namespace brisquel {

// The part of the output settings panel that setup.ini keeps: four list positions (0-based,
// -1 for no choice) and the output folder text. The window's panel implements it.
class SetupSettings
{
public:
    enum class List { Bitrate, SampleRate, Channels, Format };

    virtual ~SetupSettings() = default;

    virtual int listPosition(List list) const = 0;
    // A position that names no entry of the list (other than -1) leaves the list as it is.
    virtual void setListPosition(List list, int position) = 0;

    virtual std::string folderText() const = 0;
    virtual void setFolderText(const std::string& text) = 0;
};

} // namespace brisquel
