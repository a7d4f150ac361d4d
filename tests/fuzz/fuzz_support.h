#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace brisquel {

// A broken property aborts, so libFuzzer keeps the input as a crash and the replay fails.
inline void fuzzCheck(bool holds, std::string_view property)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz property broken: %.*s\n", static_cast<int>(property.size()), property.data());
    std::abort();
}

inline std::string_view fuzzText(const std::uint8_t* data, std::size_t size)
{
    return size == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(data), size);
}

// The input cut at every NUL byte: a list of texts, none holding a NUL, as an argument
// list or a list of saved values can be.
inline std::vector<std::string_view> fuzzPieces(std::string_view text)
{
    std::vector<std::string_view> pieces;
    for (;;) {
        const auto end = text.find('\0');
        pieces.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return pieces;
        text.remove_prefix(end + 1);
    }
}

inline bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

} // namespace brisquel
