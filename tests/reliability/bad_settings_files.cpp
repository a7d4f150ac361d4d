#include "bad_settings_files.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace brisquel::test {

namespace {

void write(const std::string& path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

const char* settingsFileName(SettingsFile file)
{
    return file == SettingsFile::Setup ? "setup.ini" : "options.ini";
}

std::string savedSettings(SettingsFile file)
{
    return file == SettingsFile::Setup ? "\"3\"\r\n\"2\"\r\n\"0\"\r\n\"/music/out\"\r\n\"4\"\r\n" : "1\r\n1\r\n90\r\n120\r\n";
}

void makeBinaryFile(const std::string& path, SettingsFile)
{
    using namespace std::string_view_literals;
    constexpr std::string_view block = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x02\xd0\0\0\x01\xca\x08\x06\0\0\0\xff\xfe\r\n"
                                       "\"\x01\x02\x7f\xc3\x28\"\r\n\xe9t\xe9\0\xfd\r\n"sv;
    std::string bytes;
    while (bytes.size() < 4096)
        bytes += block;
    write(path, bytes);
}

void makeHugeFile(const std::string& path, SettingsFile file)
{
    write(path, savedSettings(file));
    std::filesystem::resize_file(path, 100 * 1024 * 1024);
}

void makeTruncatedFile(const std::string& path, SettingsFile file)
{
    const std::string saved = savedSettings(file);
    std::size_t cut = 0;
    for (int line = 0; line < (file == SettingsFile::Setup ? 4 : 2); ++line)
        cut = saved.find("\r\n", cut) + 2;
    write(path, saved.substr(0, cut - 1));
}

void makePipe(const std::string& path, SettingsFile)
{
    ::mkfifo(path.c_str(), 0644);
}

void makeFolder(const std::string& path, SettingsFile)
{
    std::filesystem::create_directory(path);
}

void makeReadErrorFile(const std::string& path, SettingsFile)
{
    std::filesystem::create_symlink("/proc/self/mem", path);
}

} // namespace brisquel::test
