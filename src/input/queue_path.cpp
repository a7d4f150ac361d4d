#include "input/queue_path.h"

#include "input/file_io.h"
#include "input/get_file.h"
#include "input/scratch_folder.h"
#include "input/utf8_text.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace brisquel {
namespace {

constexpr std::size_t MaxBaseCharacters = 200;
constexpr int MaxCopyNumber = 100000;

std::string dateTimeName(const std::tm& now)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", now.tm_year + 1900, now.tm_mon + 1,
                  now.tm_mday, now.tm_hour, now.tm_min, now.tm_sec);
    return text;
}

bool copyAll(int from, int to)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
        if (!writeAll(to, std::string_view(buffer, static_cast<std::size_t>(got))))
            return false;
    }
}

// The name of copy number `n`, its base cut (at a character) to what one file name can hold.
std::string copyName(const std::string& base, int n)
{
    const std::string suffix = (n > 1 ? " (" + std::to_string(n) + ")" : std::string()) + ".tmp";
    std::size_t end = std::min(base.size(), NAME_MAX - suffix.size());
    while (end > 0 && end < base.size() && (static_cast<unsigned char>(base[end]) & 0xC0) == 0x80)
        --end;
    return base.substr(0, end) + suffix;
}

} // namespace

std::string safeBaseName(std::string_view path, const CodePage& codePage, const std::tm& now)
{
    const std::string base = replaceWithSpaces(GetBaseName(codePage.narrow(path)), "/\\<>?\":*|");
    const std::string_view cut = firstCharacters(base, MaxBaseCharacters);
    return trimSpaces(cut).empty() ? dateTimeName(now) : std::string(cut);
}

std::string queuePath(const std::string& path, const IntakeContext& context, std::string* copyFailure)
{
    if (FileExists(path, context.codePage))
        return path;
    const std::string base = safeBaseName(path, context.codePage, context.localTime());
    createScratchFolder(context.scratchFolder);

    int failure = 0;
    errno = 0;
    const int source = openRegularFile(path);
    if (source < 0)
        failure = errno != 0 ? errno : EINVAL;
    std::string target;
    for (int n = 1; n <= MaxCopyNumber; ++n) {
        target = context.scratchFolder + PathSeparator + copyName(base, n);
        // Created exclusively, so the name is ours even when the copy fails; a failed copy
        // leaves the file empty rather than half written.
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0 && failure == 0)
            failure = errno;
        if (fd >= 0) {
            errno = 0;
            if (source >= 0 && !copyAll(source, fd))
                failure = errno != 0 ? errno : ENOSPC;
            if (failure != 0) {
                const int truncated = ::ftruncate(fd, 0);
                static_cast<void>(truncated);
            }
            ::close(fd);
        }
        break;
    }
    if (source >= 0)
        ::close(source);
    if (copyFailure)
        *copyFailure = failure == 0 ? std::string() : CopyFailureText(failure);
    return target;
}

std::string CopyFailureText(int error)
{
    // A FIFO, socket or device where a file was expected is refused before any read.
    const std::string why = error == EINVAL ? std::string("not a regular file") : std::string(std::strerror(error));
    return "could not copy to the scratch folder: " + why;
}

} // namespace brisquel
