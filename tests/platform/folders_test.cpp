#include "platform/folders.h"

#include "test_support.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace brisquel {
namespace {

constexpr uid_t Nobody = 65534;

struct PlaceCase
{
    const char* name;
    // Makes the program folder below `root`; empty when the case cannot be set up here.
    std::function<std::string(const std::string& root)> make;
    bool beside;
};

void PrintTo(const PlaceCase& c, std::ostream* out)
{
    *out << c.name;
}

class SettingsPlaceTest : public testing::TestWithParam<PlaceCase>
{
};

std::string madeFolder(const std::string& path, mode_t mode = 0755)
{
    fs::create_directories(path);
    ::chmod(path.c_str(), mode);
    return path;
}

TEST_P(SettingsPlaceTest, OnlyAnOwnUninstalledCopyKeepsItsSettingsBeside)
{
    test::TempDir dir;
    const std::string folder = GetParam().make(dir.path());
    if (folder.empty())
        GTEST_SKIP() << "needs root to give a folder away, or a user to whom a read-only folder is closed";
    EXPECT_EQ(keepsSettingsBeside(folder), GetParam().beside);
}

INSTANTIATE_TEST_SUITE_P(Places, SettingsPlaceTest, testing::Values(
    PlaceCase{"BuildTree", [](const std::string& root) { return madeFolder(root + "/build/bin"); }, true},
    // Below any prefix, even one the user owns (root owns /usr).
    PlaceCase{"Installed", [](const std::string& root) { return madeFolder(root + "/usr/lib/brisquel"); }, false},
    PlaceCase{"OtherUsersWritableFolder", [](const std::string& root) -> std::string {
        if (::geteuid() != 0)
            return "/tmp"; // root's, and anyone may write into it
        const std::string folder = madeFolder(root + "/shared", 0777);
        return ::chown(folder.c_str(), Nobody, Nobody) == 0 ? folder : "";
    }, false},
    PlaceCase{"ReadOnly", [](const std::string& root) -> std::string {
        return ::geteuid() == 0 ? "" : madeFolder(root + "/locked", 0555);
    }, false},
    PlaceCase{"Missing", [](const std::string& root) { return root + "/gone"; }, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace brisquel
