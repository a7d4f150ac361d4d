#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace brisquel {

// One queued file: the path handed to the converter and the row the user sees.
struct QueueEntry
{
    std::string path;    // queue path (what lstFile holds)
    std::string display; // "FileName" column
    std::string format;  // "Format" column
    // The file the user queued, when `path` is a temporary copy of it; empty otherwise.
    std::string source = {};
    // Why the entry cannot be converted, known since it was queued (its temporary copy
    // failed); empty when nothing is known against it.
    std::string intakeFailure = {};
};

// The conversion queue: one ordered list, so row n and path n stay paired by construction.
// Entries are appended, never sorted; duplicates are allowed.
class ConversionQueue
{
public:
    static constexpr int MaxEntries = 32767;

    int count() const;
    const QueueEntry& entry(int index) const;
    const std::string& path(int index) const;
    // A number that no other entry of this queue has ever carried, so an operation that
    // yields can tell its own entries from ones appended meanwhile.
    std::uint64_t serial(int index) const;

    // Appends as many of `entries` as fit under MaxEntries, in order; returns how many were
    // left out.
    int append(const std::vector<QueueEntry>& entries);
    bool append(const QueueEntry& entry);

    // Out-of-range positions are ignored.
    void removeAt(int index);
    void clear();

    // Raised after a change, with the first and last position (inclusive) concerned, so a
    // view can follow.
    std::function<void(int first, int last)> entriesInserted;
    std::function<void(int first, int last)> entriesRemoved;

private:
    struct Slot
    {
        QueueEntry entry;
        std::uint64_t serial;
    };
    // Entries leave from the front as they are converted: a deque keeps that cheap.
    std::deque<Slot> m_entries;
    std::uint64_t m_nextSerial = 0;
};

} // namespace brisquel
