// The command-line splitter on any text, and the round trip of the quoter: an argument list
// quoted and joined by blanks splits back into exactly the same list.

#include "fuzz_support.h"
#include "process/command_line.h"

#include <string>

using namespace brisquel;

namespace {

template <typename Quote>
std::string joined(const std::vector<std::string>& arguments, Quote quote, std::size_t separatorChoice)
{
    std::string text;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        // Blanks of every kind and count separate alike.
        if (i > 0)
            text += (separatorChoice >> (i % 8)) & 1 ? "\t " : " ";
        text += quote(arguments[i]);
    }
    return text;
}

void checkRoundTrip(const std::vector<std::string>& arguments, std::size_t separatorChoice)
{
    fuzzCheck(SplitCommandLine(joined(arguments, QuoteArgument, separatorChoice)) == arguments,
              "QuoteArgument gives every argument back");
    fuzzCheck(SplitCommandLine(joined(arguments, QuoteArgumentAlways, separatorChoice)) == arguments,
              "QuoteArgumentAlways gives every argument back");
    for (const std::string& argument : arguments) {
        if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
            fuzzCheck(QuoteArgument(argument) == argument, "a plain argument stays as it is");
        const std::string always = QuoteArgumentAlways(argument);
        fuzzCheck(always.size() >= 2 && always.front() == '"' && always.back() == '"',
                  "QuoteArgumentAlways puts the argument inside quotes");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzzText(data, size);

    // Whatever the text, what it splits into survives quoting and splitting again.
    const std::vector<std::string> split = SplitCommandLine(text);
    for (const std::string& argument : split)
        fuzzCheck(argument.size() <= text.size(), "an argument is no longer than the text");
    checkRoundTrip(split, size);

    // The input as an argument list of its own, cut at NUL bytes, as an execve list is:
    // empty arguments, blanks, quotes and backslashes anywhere.
    std::vector<std::string> arguments;
    for (const std::string_view piece : fuzzPieces(text))
        arguments.emplace_back(piece);
    checkRoundTrip(arguments, size);
    return 0;
}
