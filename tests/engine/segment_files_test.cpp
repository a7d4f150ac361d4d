#include "engine/segment_files.h"

#include <gtest/gtest.h>

namespace brisquel {
namespace {

struct NameRow
{
    const char* name;
    std::string base;
    std::string extension;
    std::vector<std::string> taken; // what earlier files of the batch wrote, queued inputs
    std::string expected;
};

void PrintTo(const NameRow& row, std::ostream* os)
{
    *os << row.name;
}

class UniqueOutputName : public testing::TestWithParam<NameRow>
{
};

TEST_P(UniqueOutputName, StepsAsideOnlyFromWhatMustNotBeOverwritten)
{
    EXPECT_EQ(UniqueOutputBaseName(GetParam().base, GetParam().extension, GetParam().taken), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UniqueOutputName,
    testing::Values(
        NameRow{"NothingTaken", "01 Track", ".mp3", {}, "01 Track"},
        NameRow{"SameBatchWroteIt", "01 Track", ".mp3", {"01 Track00000.mp3", "01 Track00001.mp3"}, "01 Track (2)"},
        NameRow{"SecondStepTakenToo", "01 Track", ".mp3", {"01 Track00003.mp3", "01 Track (2)00000.mp3"}, "01 Track (3)"},
        NameRow{"QueuedInputNamedLikeASegment", "REC", ".mp3", {"REC.wav", "REC00000.mp3"}, "REC (2)"},
        NameRow{"OtherExtensionIsNoSegment", "REC", ".mp3", {"REC00000.wav"}, "REC"},
        NameRow{"LongerNameIsNoSegment", "REC", ".mp3", {"REC000000.mp3", "REC0000x.mp3", "XREC00000.mp3"}, "REC"},
        NameRow{"OnlyTheInputItself", "REC", ".mp3", {"REC.mp3"}, "REC"},
        NameRow{"EmptyBase", "", ".mp3", {"00000.mp3"}, " (2)"},
        NameRow{"SegmentOfTheSteppedNameOnly", "a", ".mp3", {"a (2)00000.mp3"}, "a"}),
    [](const testing::TestParamInfo<NameRow>& info) { return std::string(info.param.name); });

} // namespace
} // namespace brisquel
