#include "test_support.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace brisquel::test {

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "brisquel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Tests make read-only files and folders; give the owner rights back before removing.
    for (auto it = fs::recursive_directory_iterator(m_path, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink())
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string binFolder()
{
    return BRISQUEL_TEST_BIN_DIR;
}

std::string fakeConverterPath()
{
    return BRISQUEL_FAKE_CONV;
}

std::string makeFakeProgramFolder(const std::string& folder)
{
    fs::create_directories(folder + "/data");
    std::error_code ec;
    fs::remove(folder + "/data/conv.exe", ec);
    fs::create_symlink(fakeConverterPath(), folder + "/data/conv.exe");
    return folder;
}

bool writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void SleepPump::ProcessPending()
{
    ++pendingCalls;
    if (onPending)
        onPending();
}

void SleepPump::Wait(int ms)
{
    ++waitCalls;
    if (onPending)
        onPending();
    std::this_thread::sleep_for(std::chrono::milliseconds(ms > 0 ? ms : 0));
}

void SleepPump::WaitOrReadable(int ms, int fd)
{
    ++waitCalls;
    if (onPending)
        onPending();
    pollfd watched{fd, POLLIN, 0};
    poll(&watched, 1, ms > 0 ? ms : 0);
}

} // namespace brisquel::test
