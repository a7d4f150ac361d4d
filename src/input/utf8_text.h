#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisquel {

// Decodes the code point that starts at `pos` and moves `pos` past it. An invalid sequence
// (a stray or missing continuation byte, an overlong form, a surrogate, a value above
// U+10FFFF) gives nullopt and moves `pos` on by one byte.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos);

void appendUtf8(std::string& text, char32_t codePoint);

// The first / last `count` characters (code points) of UTF-8 text; the whole text when it is
// shorter.
std::string_view firstCharacters(std::string_view text, std::size_t count);
std::string_view lastCharacters(std::string_view text, std::size_t count);

// Leading and trailing spaces removed (spaces only, as the rules of the queue mean it).
std::string_view trimSpaces(std::string_view text);

// Every byte of `text` found in `characters` becomes a space.
std::string replaceWithSpaces(std::string_view text, std::string_view characters);

} // namespace brisquel
