#pragma once

#include "input/conversion_queue.h"
#include "input/queue_path.h"

#include <string>

namespace brisquel {

// The entry each way in makes of one path. They differ in which steps run and in the text
// the format tag is taken from.

// Add File: the queue-path and display-row steps; the tag from the trimmed display text.
QueueEntry addFileEntry(const std::string& path, const IntakeContext& context);

// A drop on the overlay: as Add File, but the tag comes from the dropped path as it is.
QueueEntry overlayDropEntry(const std::string& path, const IntakeContext& context);

// A drop on the list or on the drop zone: the path as dropped, in both columns and as the
// tag's source.
QueueEntry plainDropEntry(const std::string& path);

// A file picked through the drop zone's narrow dialog: the path as given; the tag from it,
// trimmed.
QueueEntry pickedPathEntry(const std::string& path);

// A file found by Add Folder: queued as found when the code page carries its path; a path
// it cannot carry would name no file, so that one goes through Add File's steps instead.
QueueEntry foundFileEntry(const std::string& path, const IntakeContext& context);

} // namespace brisquel
