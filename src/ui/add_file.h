#pragma once

#include "input/queue_path.h"

class QWidget;

namespace brisquel {

class CommonDlgsW;
class ConversionQueue;

// The open dialog's filter for Add File: the common media types, then every file.
extern const char AddFileFilter[];

// Picks one file with `dialog` and appends its entry to the queue. Returns whether an entry
// was appended; a cancelled dialog changes nothing.
bool AddFile(CommonDlgsW& dialog, QWidget* owner, ConversionQueue& queue, const IntakeContext& context);

} // namespace brisquel
