// The settings field reader on any file content, and the round trip of what setup.ini
// writes: a value saved as a quoted line is read back unchanged.

#include "fuzz_support.h"
#include "settings/settings_field_reader.h"

#include <string>

using namespace brisquel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzText(data, size);

    // Every field lies inside one line, so it holds no line end.
    SettingsFieldReader reader(bytes);
    std::size_t fields = 0;
    while (const auto field = reader.next()) {
        ++fields;
        fuzzCheck(fields <= size, "one field per line at most");
        fuzzCheck(!contains(*field, "\r") && !contains(*field, "\n"), "a field holds no line end");
        fuzzCheck(contains(bytes, *field), "a field is text of the file");
    }
    fuzzCheck(fields > 0 || bytes.empty(), "a non-empty file has a field");

    const std::string field = readField(bytes);
    const auto start = bytes.find_first_not_of(" \t");
    // A quoted field stops at its closing quote, an unquoted one at its comma.
    if (start != std::string_view::npos && bytes[start] == '"') {
        fuzzCheck(!contains(field, "\""), "a quoted field holds no quote");
    } else {
        fuzzCheck(!contains(field, ","), "an unquoted field ends before its comma");
        fuzzCheck(field.empty() || field.back() != ' ', "an unquoted field has no trailing space");
    }

    // What setup.ini writes: each value as "value" CR LF. Values that hold a quote or a
    // line end cannot be written that way, so they are left out of the round trip.
    std::vector<std::string> values;
    std::string file;
    for (const std::string_view piece : fuzzPieces(bytes)) {
        if (piece.find_first_of("\"\r\n") != std::string_view::npos)
            continue;
        values.emplace_back(piece);
        file += "\"" + values.back() + "\"\r\n";
    }
    SettingsFieldReader saved(file);
    for (const std::string& value : values)
        fuzzCheck(saved.next() == value, "a saved value reads back unchanged");
    fuzzCheck(!saved.next(), "no field beyond the saved ones");
    return 0;
}
