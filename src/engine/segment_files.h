#pragma once

#include <map>
#include <string>
#include <vector>

namespace brisquel {

// The output segments of one input in one folder (base name, five digits, extension), each
// with its modification time in nanoseconds. An unreadable folder gives none.
using SegmentFiles = std::map<std::string, long long>;
SegmentFiles ListSegmentFiles(const std::string& folder, const std::string& baseName, const std::string& extension);

// The names in `after` of the segments that are new or were rewritten since `before`, in
// order: what one run wrote.
std::vector<std::string> WrittenSegments(const SegmentFiles& before, const SegmentFiles& after);

// Whether `after` holds a segment that is new or was rewritten since `before`.
bool SegmentWritten(const SegmentFiles& before, const SegmentFiles& after);

} // namespace brisquel
