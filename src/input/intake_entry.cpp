#include "input/intake_entry.h"

#include "input/display_text.h"
#include "input/format_tag.h"
#include "input/utf8_text.h"

namespace brisquel {

QueueEntry addFileEntry(const std::string& path, const IntakeContext& context)
{
    QueueEntry entry = overlayDropEntry(path, context);
    entry.format = formatTag(trimSpaces(entry.display));
    return entry;
}

QueueEntry overlayDropEntry(const std::string& path, const IntakeContext& context)
{
    std::string failure;
    QueueEntry entry{queuePath(path, context, &failure), displayText(path, context.codePage), formatTag(path)};
    if (entry.path != path)
        entry.source = path;
    entry.intakeFailure = std::move(failure);
    return entry;
}

QueueEntry plainDropEntry(const std::string& path)
{
    return {path, path, formatTag(path)};
}

QueueEntry pickedPathEntry(const std::string& path)
{
    return {path, path, formatTag(trimSpaces(path))};
}

QueueEntry foundFileEntry(const std::string& path, const IntakeContext& context)
{
    if (context.codePage.narrow(path) != path)
        return addFileEntry(path, context);
    return pickedPathEntry(path);
}

} // namespace brisquel
