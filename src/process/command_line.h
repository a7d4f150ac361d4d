#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisquel {

// Splits command-line text into arguments by the Windows rules: white space separates,
// double quotes group, backslashes are literal except before a double quote.
std::vector<std::string> SplitCommandLine(std::string_view text);

// Quotes one argument so that SplitCommandLine gives it back exactly. An argument with no
// space, tab or double quote, and not empty, comes back unchanged.
std::string QuoteArgument(std::string_view argument);

// Quotes one argument as QuoteArgument does, but always inside double quotes: text with no
// double quote and no trailing backslash comes back as itself between two quotes.
std::string QuoteArgumentAlways(std::string_view argument);

} // namespace brisquel
