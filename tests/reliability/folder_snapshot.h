#pragma once

#include <map>
#include <string>
#include <vector>

namespace brisquel::test {

// What a folder tree holds: every entry below the root by relative path, with its kind,
// size and a hash of its content (or a link's target). Links are recorded, not followed.
using FolderSnapshot = std::map<std::string, std::string>;

// `skipped` are folders (absolute paths) left out with everything below them.
FolderSnapshot snapshotFolder(const std::string& root, const std::vector<std::string>& skipped = {});

// One line per entry that appeared, vanished or changed; empty when the two are alike.
std::string snapshotDifferences(const FolderSnapshot& before, const FolderSnapshot& after);

// The paths below `root` (and `root` itself) whose last component is `name`.
std::vector<std::string> findByName(const std::string& root, const std::string& name);

} // namespace brisquel::test
