#include "input/conversion_queue.h"

#include <algorithm>

namespace brisquel {

int ConversionQueue::count() const
{
    return static_cast<int>(m_entries.size());
}

const QueueEntry& ConversionQueue::entry(int index) const
{
    return m_entries.at(static_cast<std::size_t>(index)).entry;
}

const std::string& ConversionQueue::path(int index) const
{
    return entry(index).path;
}

std::uint64_t ConversionQueue::serial(int index) const
{
    return m_entries.at(static_cast<std::size_t>(index)).serial;
}

int ConversionQueue::append(const std::vector<QueueEntry>& entries)
{
    const int room = MaxEntries - count();
    const int taken = std::min(room, static_cast<int>(std::min<std::size_t>(entries.size(), MaxEntries)));
    if (taken <= 0)
        return static_cast<int>(entries.size());
    const int first = count();
    for (int i = 0; i < taken; ++i)
        m_entries.push_back({entries[static_cast<std::size_t>(i)], m_nextSerial++});
    if (entriesInserted)
        entriesInserted(first, first + taken - 1);
    return static_cast<int>(entries.size()) - taken;
}

bool ConversionQueue::append(const QueueEntry& entry)
{
    if (count() >= MaxEntries)
        return false;
    m_entries.push_back({entry, m_nextSerial++});
    if (entriesInserted)
        entriesInserted(count() - 1, count() - 1);
    return true;
}

void ConversionQueue::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    m_entries.erase(m_entries.begin() + index);
    if (entriesRemoved)
        entriesRemoved(index, index);
}

void ConversionQueue::clear()
{
    if (m_entries.empty())
        return;
    const int last = count() - 1;
    m_entries.clear();
    if (entriesRemoved)
        entriesRemoved(0, last);
}

} // namespace brisquel
