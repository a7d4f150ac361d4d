#include "folder_snapshot.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace brisquel::test {

namespace {

std::string describe(const fs::directory_entry& entry)
{
    std::error_code ec;
    const fs::file_status status = entry.symlink_status(ec);
    switch (status.type()) {
    case fs::file_type::directory: return "folder";
    case fs::file_type::symlink: return "link to " + fs::read_symlink(entry.path(), ec).string();
    case fs::file_type::regular: {
        // Only regular files are read: a pipe would block the reader.
        std::ifstream in(entry.path(), std::ios::binary);
        std::uint64_t hash = 14695981039346656037ull; // FNV-1a, read in pieces: a file may be huge
        std::uint64_t size = 0;
        char buffer[1 << 16];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
            for (std::streamsize i = 0; i < in.gcount(); ++i)
                hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ull;
            size += static_cast<std::uint64_t>(in.gcount());
        }
        return "file of " + std::to_string(size) + " bytes, hash " + std::to_string(hash);
    }
    default: return "special file";
    }
}

} // namespace

FolderSnapshot snapshotFolder(const std::string& root, const std::vector<std::string>& skipped)
{
    FolderSnapshot snapshot;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const std::string path = it->path().string();
        if (std::find(skipped.begin(), skipped.end(), path) != skipped.end()) {
            it.disable_recursion_pending();
            continue;
        }
        snapshot[fs::relative(it->path(), root).string()] = describe(*it);
    }
    return snapshot;
}

std::string snapshotDifferences(const FolderSnapshot& before, const FolderSnapshot& after)
{
    std::string differences;
    for (const auto& [path, was] : before) {
        const auto now = after.find(path);
        if (now == after.end())
            differences += "vanished: " + path + "\n";
        else if (now->second != was)
            differences += "changed: " + path + " (" + was + " -> " + now->second + ")\n";
    }
    for (const auto& [path, is] : after) {
        if (!before.contains(path))
            differences += "appeared: " + path + " (" + is + ")\n";
    }
    return differences;
}

std::vector<std::string> findByName(const std::string& root, const std::string& name)
{
    std::vector<std::string> found;
    if (fs::path(root).filename() == name)
        found.push_back(root);
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->path().filename() == name)
            found.push_back(it->path().string());
    }
    return found;
}

} // namespace brisquel::test
