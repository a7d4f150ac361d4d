#include "cli/cli_options.h"

#include "settings/output_choices.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <optional>
#include <string_view>

namespace brisquel {

namespace {

constexpr int MaxJobs = 256;

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

template <std::size_t N>
std::string joined(const std::array<std::string_view, N>& choices, bool lower)
{
    std::string text;
    for (const std::string_view choice : choices)
        text += (text.empty() ? "" : ", ") + (lower ? lowered(choice) : std::string(choice));
    return text;
}

template <std::size_t N>
std::optional<int> positionOf(const std::array<std::string_view, N>& choices, std::string_view value)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (lowered(choices[i]) == lowered(value))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<long long> wholeNumber(std::string_view text)
{
    if (text.empty() || text.size() > 12 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoll(std::string(text));
}

enum class Option { Format, Bitrate, Rate, Channels, Split, Output, Jobs, Copy, Report, Json, Quiet, Help, Version };

struct OptionName
{
    Option option;
    char shortName; // 0: none
    std::string_view longName;
    bool takesValue;
};

constexpr OptionName Options[] = {
    {Option::Format, 'f', "format", true},   {Option::Bitrate, 'b', "bitrate", true},
    {Option::Rate, 'r', "rate", true},       {Option::Channels, 'c', "channels", true},
    {Option::Split, 's', "split", true},     {Option::Output, 'o', "output", true},
    {Option::Jobs, 'j', "jobs", true},       {Option::Copy, 0, "copy", false},
    {Option::Report, 0, "report", true},     {Option::Json, 0, "json", false},
    {Option::Quiet, 'q', "quiet", false},    {Option::Help, 'h', "help", false},
    {Option::Version, 0, "version", false},
};

// What an option's value may be, for the message about a bad one.
std::string allowedValues(Option option)
{
    switch (option) {
    case Option::Format: return "use one of " + joined(FormatChoices, true);
    case Option::Bitrate: return "use one of " + joined(BitrateChoices, false) + " (kbit/s)";
    case Option::Rate: return "use one of " + joined(RateChoices, false) + " (Hz)";
    case Option::Channels: return "use mono or stereo";
    case Option::Split: return "use a whole number of seconds, minutes or hours (30s, 2m, 1h), or 0 for one file";
    case Option::Output: return "name a folder";
    case Option::Jobs: return "use a whole number from 1 to " + std::to_string(MaxJobs);
    case Option::Report: return "name a file";
    default: return {};
    }
}

// Applies one option and its value; false when the value is not one the option allows.
bool apply(CliCommand& command, Option option, const std::string& value)
{
    CliOptions& o = command.options;
    switch (option) {
    case Option::Format: {
        const auto position = positionOf(FormatChoices, value);
        o.formatIndex = position.value_or(o.formatIndex);
        return position.has_value();
    }
    case Option::Bitrate:
        o.bitrateText = value;
        return positionOf(BitrateChoices, value).has_value();
    case Option::Rate:
        o.rateText = value;
        return positionOf(RateChoices, value).has_value();
    case Option::Channels:
        o.channelIndex = lowered(value) == "mono" ? 0 : 1;
        return lowered(value) == "mono" || lowered(value) == "stereo";
    case Option::Split: {
        static constexpr std::string_view Units = "smh";
        static constexpr long long Seconds[] = {1, 60, 3600};
        const std::string text = lowered(value);
        const std::size_t unit = text.empty() ? std::string::npos : Units.find(text.back());
        const auto number = wholeNumber(unit == std::string::npos ? std::string_view(text)
                                                                  : std::string_view(text).substr(0, text.size() - 1));
        o.unitIndex = unit == std::string::npos ? 0 : static_cast<int>(unit);
        o.splitText = number ? std::to_string(*number) : std::string();
        // Beyond a signed 32-bit number of seconds the window would keep the previous length.
        return number && *number * Seconds[o.unitIndex] <= INT_MAX;
    }
    case Option::Output: o.outputFolder = value; return !value.empty();
    case Option::Jobs: {
        const auto jobs = wholeNumber(value);
        o.jobs = jobs ? static_cast<int>(std::min<long long>(*jobs, MaxJobs)) : 1;
        return jobs && *jobs >= 1 && *jobs <= MaxJobs;
    }
    case Option::Report: o.reportFile = value; return !value.empty();
    case Option::Copy: o.copy = true; return true;
    case Option::Json: o.json = true; return true;
    case Option::Quiet: o.quiet = true; return true;
    case Option::Help: command.action = CliCommand::Action::Help; return true;
    case Option::Version: command.action = CliCommand::Action::Version; return true;
    }
    return true;
}

CliCommand usageError(std::string text)
{
    CliCommand command;
    command.action = CliCommand::Action::UsageError;
    command.error = std::move(text);
    return command;
}

} // namespace

CliCommand ParseCliArguments(const std::vector<std::string>& arguments, int defaultJobs)
{
    CliCommand command;
    command.options.jobs = std::clamp(defaultJobs, 1, MaxJobs);
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            command.options.inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name", "--name=value", "--name value"; "-x", "-xvalue", "-x value", "-qx".
        const bool isLong = argument[1] == '-';
        std::size_t at = 1;
        while (at < argument.size()) {
            const OptionName* name = nullptr;
            std::string spelled;
            std::optional<std::string> attached;
            if (isLong) {
                const std::size_t equals = argument.find('=');
                spelled = argument.substr(0, equals);
                for (const OptionName& candidate : Options) {
                    if (spelled.substr(2) == candidate.longName)
                        name = &candidate;
                }
                if (equals != std::string::npos)
                    attached = argument.substr(equals + 1);
                at = argument.size();
            } else {
                spelled = std::string("-") + argument[at];
                for (const OptionName& candidate : Options) {
                    if (candidate.shortName != 0 && candidate.shortName == argument[at])
                        name = &candidate;
                }
                ++at;
                if (name && name->takesValue && at < argument.size()) {
                    attached = argument.substr(at);
                    at = argument.size();
                }
            }
            if (!name)
                return usageError("unknown option '" + spelled + "'");
            if (!name->takesValue && attached)
                return usageError("option '" + spelled + "' takes no value");
            std::string value;
            if (name->takesValue) {
                if (attached)
                    value = *attached;
                else if (i + 1 < arguments.size())
                    value = arguments[++i];
                else
                    return usageError("option '" + spelled + "' needs a value: " + allowedValues(name->option));
            }
            if (!apply(command, name->option, value))
                return usageError("bad value '" + value + "' for " + spelled + ": " + allowedValues(name->option));
        }
    }
    if (command.action == CliCommand::Action::Run && command.options.inputs.empty())
        return usageError("no file or folder to convert");
    return command;
}

std::string CliUsageText()
{
    return "Usage: brisquel-cli [OPTIONS] FILE|FOLDER...\n"
           "Converts audio files, and the sound of video files, and cuts every output into\n"
           "numbered pieces, as the Brisquel window does. Folders are searched with their\n"
           "sub-folders.\n"
           "\n"
           "  -f, --format FORMAT    " + joined(FormatChoices, true) + " (default mp3)\n"
           "  -b, --bitrate KBITS    " + joined(BitrateChoices, false) + "\n"
           "                         (default 128)\n"
           "  -r, --rate HZ          " + joined(RateChoices, false) + "\n"
           "                         (default 44100)\n"
           "  -c, --channels CH      mono or stereo (default stereo)\n"
           "  -s, --split LENGTH     piece length: 30s, 2m, 1h; 0 for one file (default 30s)\n"
           "  -o, --output FOLDER    where the pieces go (default: the current folder)\n"
           "  -j, --jobs N           files converted at once (default: the number of cores)\n"
           "      --copy             cut without re-encoding where the format allows\n"
           "      --report FILE      write the batch report to FILE\n"
           "      --json             one JSON object per line on standard output\n"
           "  -q, --quiet            print only errors\n"
           "  -h, --help             show this help\n"
           "      --version          show the version\n"
           "\n"
           "Exit status: 0 every file converted, 1 a file failed, 2 a usage error,\n"
           "130 stopped by Ctrl-C.\n";
}

} // namespace brisquel
