#pragma once

#include <string>
#include <vector>

class QMimeData;

namespace brisquel {

// The local files and folders of a drop, in drop order, each as the bytes of its path (a
// name that is not UTF-8 keeps its own bytes, so it still names its file). Other data, other
// hosts' files and paths that hold a NUL byte give nothing.
std::vector<std::string> droppedFiles(const QMimeData* data);

} // namespace brisquel
