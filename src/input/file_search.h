#pragma once

#include <functional>
#include <string>
#include <vector>

namespace brisquel {

// Appends the path of every file in `folder` and below to `list`, depth first: the files of
// a folder in listing order, then each of its first 200 sub-folders, in listing order, with
// its whole tree. Hidden files count like any other. A link to a file is taken as a file; a
// link to a folder is never entered, so a link back up cannot make the search endless.
// Entries that hold no data to convert (pipes, sockets, devices, dangling links) are left
// out. A folder that cannot be listed adds nothing. `yield` runs twice after every listed
// entry but the first, so the window stays responsive.
void SearchFolder(const std::string& folder, std::vector<std::string>& list,
                  const std::function<void()>& yield);

} // namespace brisquel
