#pragma once

#include <string>

namespace brisquel::test {

// A small tmpfs mounted on a folder for one test and unmounted when the object goes, so a
// test can stand a read-only or a full file system where the program writes, even as root
// (for whom permission bits alone forbid nothing).
class ScratchMount
{
public:
    // `size` as tmpfs reads it ("64k", "1m").
    ScratchMount(const std::string& folder, const std::string& size, bool readOnly);
    ~ScratchMount();
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool mounted() const { return m_mounted; }
    // Why the mount failed; empty when it is mounted.
    const std::string& failure() const { return m_failure; }

private:
    std::string m_folder;
    bool m_mounted = false;
    std::string m_failure;
};

// Writes to `path` until the file system refuses more, then gives `slack` bytes back, so
// the next writer runs out of room a little way into its output. Returns the bytes written.
long long fillFileSystem(const std::string& path, long long slack);

} // namespace brisquel::test
