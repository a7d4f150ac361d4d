#include "process/core_text.h"

#include <atomic>
#include <vector>

namespace brisquel {

namespace {

std::atomic<CoreTextHook> g_hook{nullptr};

} // namespace

void SetCoreTextHook(CoreTextHook hook)
{
    g_hook.store(hook);
}

std::string CoreText(const char* context, const char* text)
{
    const CoreTextHook hook = g_hook.load();
    return hook ? hook(context, text) : std::string(text);
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' && std::size_t(next - '1') < values.size()) {
            text += values[std::size_t(next - '1')];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace brisquel
