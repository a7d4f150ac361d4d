#include "settings/settings_field_reader.h"

namespace brisquel {

std::string readField(std::string_view line)
{
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    line.remove_prefix(start);
    if (line.front() == '"') {
        line.remove_prefix(1);
        return std::string(line.substr(0, line.find('"')));
    }
    line = line.substr(0, line.find(','));
    const auto last = line.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view() : line.substr(0, last + 1));
}

SettingsFieldReader::SettingsFieldReader(std::string_view bytes)
    : m_rest(bytes)
{
}

std::optional<std::string> SettingsFieldReader::next()
{
    if (m_rest.empty())
        return std::nullopt;
    // CR LF ends a line; a lone LF or CR, as an editor may leave, does too.
    const auto end = m_rest.find_first_of("\r\n");
    const std::string_view line = m_rest.substr(0, end);
    if (end == std::string_view::npos)
        m_rest = {};
    else
        m_rest.remove_prefix(end + (m_rest.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    return readField(line);
}

} // namespace brisquel
