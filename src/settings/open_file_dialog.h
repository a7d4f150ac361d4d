#pragma once

#include "platform/desktop.h"

#include <cstdint>
#include <string>

class QWidget;

namespace brisquel {

// A single-file open dialog. Returns the chosen path in the narrow code page, or "" when
// cancelled. A blank or missing initial folder starts in `programFolder`; so does a blank
// filter start with "*.*|*.*".
std::string OpenFileDialog(Desktop& desktop, QWidget* owner, const std::string& programFolder,
                           const std::string& title, const std::string& initialFolder,
                           const std::string& filter = {}, std::int32_t flags = 0);

} // namespace brisquel
