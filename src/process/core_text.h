#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace brisquel {

// Texts of the core that a user reads pass through CoreText, so that a front end may
// translate them; with no hook installed they stay exactly as written. lupdate knows
// CoreText as `translate` and CORE_TEXT_NOOP as QT_TRANSLATE_NOOP, so it finds both.
#define CORE_TEXT_NOOP(context, text) text

// Gets the source text (UTF-8) and gives its translation, or the source text itself.
using CoreTextHook = std::string (*)(const char* context, const char* text);

// Installs the hook for every later CoreText call; nullptr goes back to the identity.
void SetCoreTextHook(CoreTextHook hook);

std::string CoreText(const char* context, const char* text);

// Puts args[0] where the pattern says "%1", args[1] at "%2", up to "%9", in one pass, so
// that an argument holding "%2" stays as it is. A translation may reorder the markers.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace brisquel
