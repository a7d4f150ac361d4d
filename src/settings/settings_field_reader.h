#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisquel {

// The field at the start of one line of a settings file: after leading spaces and tabs,
// either the text between a double quote and the next one (or the line end), or the text up
// to the first comma with trailing spaces removed.
std::string readField(std::string_view line);

// Reads a settings file one field per line. Each field is read from the start of its own
// line, so a stray quote or comma in one value can never shift the values after it.
class SettingsFieldReader
{
public:
    explicit SettingsFieldReader(std::string_view bytes);

    // The next line's field; nullopt when the data has no line left.
    std::optional<std::string> next();

private:
    std::string_view m_rest;
};

} // namespace brisquel
