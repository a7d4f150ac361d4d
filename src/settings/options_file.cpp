#include "settings/options_file.h"

#include "settings/option_values.h"
#include "settings/settings_field_reader.h"
#include "settings/settings_file.h"
#include "settings/whole_number.h"

namespace brisquel {
namespace {

constexpr char FileName[] = "/options.ini";

template <typename Int>
void readInto(SettingsFieldReader& reader, Int& value)
{
    if (const auto field = reader.next()) {
        if (const auto number = lenientWholeNumber<Int>(*field))
            value = *number;
    }
}

} // namespace

void readOptions(std::string_view bytes)
{
    SettingsFieldReader reader(bytes);
    readInto(reader, SoundReminder);
    readInto(reader, MusicCutter);
    readInto(reader, CutStartSeconds);
    readInto(reader, CutLengthSeconds);

    // Lines a four-line file lacks give the defaults, not the values of a previous load.
    ConversionsAtOnce = DefaultConversionsAtOnce;
    SplitByCopy = false;
    std::int32_t atOnce = 0;
    readInto(reader, atOnce);
    if (atOnce >= 1)
        ConversionsAtOnce = atOnce;
    std::int16_t copy = 0;
    readInto(reader, copy);
    SplitByCopy = copy == 1;
}

std::string optionsText()
{
    std::string text;
    for (const long long value : {static_cast<long long>(SoundReminder), static_cast<long long>(MusicCutter),
                                  static_cast<long long>(CutStartSeconds), static_cast<long long>(CutLengthSeconds)})
        text += std::to_string(value) + "\r\n";
    // At their defaults the two later options leave the file as a four-line reader expects it.
    if (ConversionsAtOnce != DefaultConversionsAtOnce || SplitByCopy)
        text += std::to_string(ConversionsAtOnce) + "\r\n" + (SplitByCopy ? "1" : "0") + "\r\n";
    return text;
}

void LoadOptionsFile(const std::string& folder)
{
    const auto bytes = readSettingsFile(folder + FileName);
    if (!bytes) {
        SoundReminder = 0;
        MusicCutter = 0;
        ConversionsAtOnce = DefaultConversionsAtOnce;
        SplitByCopy = false;
        return;
    }
    readOptions(*bytes);
}

void SaveOptionsFile(const std::string& folder)
{
    writeSettingsFile(folder + FileName, optionsText());
}

} // namespace brisquel
