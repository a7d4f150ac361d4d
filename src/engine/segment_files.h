#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brisquel {

// Whether `name` is a segment of `baseName`: the base name, five digits, the extension.
bool IsSegmentName(const std::string& name, const std::string& baseName, const std::string& extension);

// The output segments of one input in one folder (base name, five digits, extension), each
// with its modification time in nanoseconds. An unreadable folder gives none.
using SegmentFiles = std::map<std::string, long long>;
SegmentFiles ListSegmentFiles(const std::string& folder, const std::string& baseName, const std::string& extension);

// As ListSegmentFiles, but nothing at all when the folder cannot be listed, so that "no
// segment" is never read into a folder that may be written but not read.
std::optional<SegmentFiles> TryListSegmentFiles(const std::string& folder, const std::string& baseName,
                                                const std::string& extension);

// Whether `after` holds a segment that is new or was rewritten since `before`.
bool SegmentWritten(const SegmentFiles& before, const SegmentFiles& after);

// The segments of `after` that are new or were rewritten since `before`: what one run wrote.
std::vector<std::string> SegmentsWrittenSince(const SegmentFiles& before, const SegmentFiles& after);

// The base name one file's segments are written under: `baseName` itself, else the first of
// baseName + " (2)", " (3)", ... none of whose segment names is among `taken`, the names in
// the output folder that this conversion must not write over (what earlier files of the
// batch wrote there, and queued inputs lying there). Other files of the folder, results of
// earlier batches among them, do not count: a batch run again replaces its own results.
std::string UniqueOutputBaseName(const std::string& baseName, const std::string& extension,
                                 const std::vector<std::string>& taken);

} // namespace brisquel
