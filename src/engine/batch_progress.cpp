#include "engine/batch_progress.h"

#include "process/core_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace brisquel {

namespace {

// Until the first file is this far along, a rate is mostly start-up cost.
constexpr double FirstFileShare = 0.1;

} // namespace

BatchProgress::BatchProgress(Clock clock)
    : m_clock(std::move(clock))
{
}

void BatchProgress::begin()
{
    *this = BatchProgress(std::move(m_clock));
    m_begun = m_clock();
}

void BatchProgress::startFile(std::uintmax_t bytes, int file)
{
    m_current[file] = Current{bytes, 0, 0};
}

void BatchProgress::setDuration(int seconds, int file)
{
    m_current[file].duration = std::max(0, seconds);
}

void BatchProgress::setPosition(int seconds, int file)
{
    Current& current = m_current[file];
    current.position = std::clamp(seconds, 0, std::max(current.duration, 0));
}

void BatchProgress::finishFile(int file)
{
    const Current current = m_current[file];
    m_current.erase(file);
    ++m_filesDone;
    m_doneMedia += current.duration;
    if (current.duration > 0) {
        m_knownMedia += current.duration;
        m_knownBytes += current.bytes;
    }
}

std::chrono::milliseconds BatchProgress::elapsed() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(m_clock() - m_begun);
}

std::optional<BatchProgress::Media> BatchProgress::measure(std::uintmax_t pendingBytes) const
{
    Media media{m_doneMedia, 0};
    double knownMedia = m_knownMedia;
    double knownBytes = static_cast<double>(m_knownBytes);
    // Files whose duration is not known yet, the current ones before their probe included.
    std::uintmax_t unprobedBytes = pendingBytes;
    for (const auto& [file, current] : m_current) {
        media.processed += current.position;
        if (current.duration > 0) {
            knownMedia += current.duration;
            knownBytes += static_cast<double>(current.bytes);
            media.remaining += std::max(0, current.duration - current.position);
        } else {
            unprobedBytes += current.bytes;
        }
    }
    if (unprobedBytes > 0) {
        if (knownBytes <= 0)
            return std::nullopt;
        media.remaining += static_cast<double>(unprobedBytes) * knownMedia / knownBytes;
    }
    return media;
}

std::optional<BatchEstimate> BatchProgress::estimate(std::uintmax_t pendingBytes) const
{
    const bool someFileAlong = std::any_of(m_current.begin(), m_current.end(), [](const auto& entry) {
        return entry.second.duration > 0 && entry.second.position >= FirstFileShare * entry.second.duration;
    });
    if (m_filesDone == 0 && !someFileAlong)
        return std::nullopt;
    const auto media = measure(pendingBytes);
    const double wall = std::chrono::duration<double>(m_clock() - m_begun).count();
    if (!media || media->processed <= 0 || wall <= 0)
        return std::nullopt;
    return BatchEstimate{media->remaining * wall / media->processed,
                         media->processed / (media->processed + media->remaining)};
}

std::optional<double> BatchProgress::fractionDone(std::uintmax_t pendingBytes) const
{
    const auto media = measure(pendingBytes);
    if (!media || media->processed + media->remaining <= 0)
        return std::nullopt;
    return media->processed / (media->processed + media->remaining);
}

std::string ClockText(double seconds)
{
    const long total = std::lround(std::max(0.0, seconds));
    char text[32];
    if (total >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
    return text;
}

std::string BatchStatusText(int fileNumber, int fileCount, const std::optional<BatchEstimate>& estimate,
                            std::optional<double> speed, int running)
{
    const int lastNumber = std::min(fileNumber + running - 1, fileCount);
    std::string text = lastNumber > fileNumber
        ? FillIn(CoreText("BatchProgress", "Files %1-%2 of %3"),
                 {std::to_string(fileNumber), std::to_string(lastNumber), std::to_string(fileCount)})
        : FillIn(CoreText("BatchProgress", "File %1 of %2"), {std::to_string(fileNumber), std::to_string(fileCount)});
    text += " \u00B7 ";
    text += estimate ? FillIn(CoreText("BatchProgress", "%1 left"), {ClockText(estimate->secondsLeft)})
                     : CoreText("BatchProgress", "estimating...");
    if (speed) {
        // to_chars, not printf: the window's locale may write the decimal point as a comma.
        char number[32];
        const auto written = std::to_chars(number, number + sizeof number, *speed, std::chars_format::fixed, 1);
        text += " \u00B7 " + std::string(number, written.ptr) + "x";
    }
    return text;
}

std::string BatchEndText(const BatchOutcome& outcome)
{
    std::string text = FillIn(CoreText("BatchProgress", "%1 converted"), {std::to_string(outcome.converted())});
    if (const int failed = outcome.count(FileResult::Failed))
        text += FillIn(CoreText("BatchProgress", ", %1 failed"), {std::to_string(failed)});
    if (outcome.stopped)
        text += CoreText("BatchProgress", ", stopped");
    return FillIn(CoreText("BatchProgress", "%1 in %2"),
                  {text, ClockText(std::chrono::duration<double>(outcome.duration).count())});
}

std::string BatchNotificationText(const BatchOutcome& outcome)
{
    const int converted = outcome.converted();
    std::string text = converted == 1
        ? CoreText("BatchProgress", "1 file converted")
        : FillIn(CoreText("BatchProgress", "%1 files converted"), {std::to_string(converted)});
    if (const int failed = outcome.count(FileResult::Failed))
        text += FillIn(CoreText("BatchProgress", ", %1 failed"), {std::to_string(failed)});
    return text;
}

std::optional<double> SpeedFromChunk(std::string_view chunk)
{
    constexpr std::string_view Marker = "speed=";
    const std::size_t at = chunk.find(Marker);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::size_t start = at + Marker.size();
    while (start < chunk.size() && chunk[start] == ' ')
        ++start;
    const std::size_t end = chunk.find('x', start);
    if (end == std::string_view::npos || end == start)
        return std::nullopt;
    // from_chars, not strtod: the window's locale may write the decimal point as a comma.
    double speed = 0;
    const auto [stop, error] = std::from_chars(chunk.data() + start, chunk.data() + end, speed);
    if (error != std::errc() || stop != chunk.data() + end || !std::isfinite(speed) || speed < 0)
        return std::nullopt;
    return speed;
}

} // namespace brisquel
