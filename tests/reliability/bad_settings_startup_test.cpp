// Start-up with a damaged setup.ini or options.ini: the window is still revealed, shows the
// defaults for every value that could not be read, and leaves the file as it found it.
#include "bad_settings_files.h"
#include "folder_snapshot.h"
#include "main_window_fixture.h"

#include "settings/option_values.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

namespace brisquel {
namespace {

using test::SettingsFile;

struct PanelState
{
    int bitrate, rate, channels;
    std::string folder; // empty: the default output folder
    int format;
    bool operator==(const PanelState&) const = default;
};

struct OptionState
{
    int soundReminder, musicCutter, cutStart, cutLength;
    bool operator==(const OptionState&) const = default;
};

void PrintTo(const PanelState& s, std::ostream* os)
{
    *os << s.bitrate << "/" << s.rate << "/" << s.channels << "/\"" << s.folder << "\"/" << s.format;
}
void PrintTo(const OptionState& s, std::ostream* os)
{
    *os << s.soundReminder << "/" << s.musicCutter << "/" << s.cutStart << "/" << s.cutLength;
}

const PanelState DefaultPanel{7, 1, 1, "", 0};
const OptionState DefaultOptions{0, 0, 0, 0};

struct BadSettings
{
    const char* label;
    SettingsFile file;
    void (*make)(const std::string& path, SettingsFile file);
    PanelState panel = DefaultPanel;
    OptionState options = DefaultOptions;
};

void PrintTo(const BadSettings& c, std::ostream* os)
{
    *os << c.label;
}

const BadSettings Cases[] = {
    {"BinarySetup", SettingsFile::Setup, test::makeBinaryFile},
    {"HugeSetup", SettingsFile::Setup, test::makeHugeFile, {3, 2, 0, "/music/out", 4}},
    {"TruncatedSetup", SettingsFile::Setup, test::makeTruncatedFile, {3, 2, 0, "/music/out", 0}},
    {"PipeAsSetup", SettingsFile::Setup, test::makePipe},
    {"FolderAsSetup", SettingsFile::Setup, test::makeFolder},
    {"UnreadableSetup", SettingsFile::Setup, test::makeReadErrorFile},
    {"BinaryOptions", SettingsFile::Options, test::makeBinaryFile},
    {"HugeOptions", SettingsFile::Options, test::makeHugeFile, DefaultPanel, {1, 1, 90, 120}},
    {"TruncatedOptions", SettingsFile::Options, test::makeTruncatedFile, DefaultPanel, {1, 1, 0, 0}},
    {"PipeAsOptions", SettingsFile::Options, test::makePipe},
    {"FolderAsOptions", SettingsFile::Options, test::makeFolder},
    {"UnreadableOptions", SettingsFile::Options, test::makeReadErrorFile},
};

class BadSettingsStartupTest : public testing::TestWithParam<BadSettings>, public test::MainWindowFixture
{
protected:
    void SetUp() override
    {
        // The option values are the program's globals: a start begins with them at 0.
        SoundReminder = MusicCutter = 0;
        CutStartSeconds = CutLengthSeconds = 0;
    }
};

TEST_P(BadSettingsStartupTest, TheWindowStartsWithDefaultsForWhatCouldNotBeRead)
{
    const BadSettings& c = GetParam();
    c.make(settings + "/" + test::settingsFileName(c.file), c.file);
    const test::FolderSnapshot before = test::snapshotFolder(settings);

    // A reader that blocked on the pipe would never return from here.
    auto w = start();

    EXPECT_TRUE(w->isVisible());
    const PanelState panel{control<QComboBox>(*w, "cmbBR")->currentIndex(), control<QComboBox>(*w, "cmbR")->currentIndex(),
                           control<QComboBox>(*w, "cmbChannel")->currentIndex(),
                           control<QLineEdit>(*w, "txtPath")->text().toStdString(),
                           control<QComboBox>(*w, "cmbOF")->currentIndex()};
    PanelState expected = c.panel;
    if (expected.folder.empty())
        expected.folder = output;
    EXPECT_EQ(panel, expected);
    EXPECT_EQ((OptionState{SoundReminder, MusicCutter, CutStartSeconds, CutLengthSeconds}), c.options);
    EXPECT_EQ(test::snapshotDifferences(before, test::snapshotFolder(settings)), "") << "a start writes no settings";
}

INSTANTIATE_TEST_SUITE_P(Files, BadSettingsStartupTest, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<BadSettings>& info) { return std::string(info.param.label); });

} // namespace
} // namespace brisquel
