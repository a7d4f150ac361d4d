#include "process/command_line.h"

namespace brisquel {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

// The rules of the Microsoft C runtime (2008 and later), applied to every argument alike:
// 2n backslashes before a quote give n backslashes and the quote groups; 2n+1 give n and a
// literal quote; inside a group, "" gives a literal quote and the group goes on.
std::vector<std::string> SplitCommandLine(std::string_view text)
{
    std::vector<std::string> arguments;
    std::size_t i = 0;
    const std::size_t size = text.size();
    for (;;) {
        while (i < size && isBlank(text[i]))
            ++i;
        if (i == size)
            break;

        std::string argument;
        bool quoted = false;
        while (i < size && (quoted || !isBlank(text[i]))) {
            const char c = text[i];
            if (c == '\\') {
                std::size_t backslashes = 0;
                while (i < size && text[i] == '\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < size && text[i] == '"') {
                    argument.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        argument += '"';
                        ++i;
                    }
                    // An even count leaves the quote to the next turn, where it groups.
                } else {
                    argument.append(backslashes, '\\');
                }
            } else if (c == '"') {
                if (quoted && i + 1 < size && text[i + 1] == '"') {
                    argument += '"';
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                argument += c;
                ++i;
            }
        }
        arguments.push_back(std::move(argument));
    }
    return arguments;
}

std::string QuoteArgument(std::string_view argument)
{
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos)
        return std::string(argument);
    return QuoteArgumentAlways(argument);
}

std::string QuoteArgumentAlways(std::string_view argument)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            // Every backslash before a quote is doubled, and one more escapes the quote.
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    // The closing quote must not be escaped by trailing backslashes.
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

} // namespace brisquel
