#pragma once

#include "platform/desktop.h"

#include <optional>
#include <string>

class QWidget;

namespace brisquel {

// The folder browser, opened in `start`. The chosen folder's path in the narrow code page
// (characters it lacks come back as "?"), or nothing when the user cancelled.
std::optional<std::string> PickFolder(Desktop& desktop, QWidget* owner, const QString& start = {});

} // namespace brisquel
