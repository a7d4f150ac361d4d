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

void BatchProgress::startFile(std::uintmax_t bytes)
{
    m_currentBytes = bytes;
    m_currentDuration = 0;
    m_currentPosition = 0;
}

void BatchProgress::setDuration(int seconds)
{
    m_currentDuration = std::max(0, seconds);
}

void BatchProgress::setPosition(int seconds)
{
    m_currentPosition = std::clamp(seconds, 0, std::max(m_currentDuration, 0));
}

void BatchProgress::finishFile()
{
    ++m_filesDone;
    m_doneMedia += m_currentDuration;
    if (m_currentDuration > 0) {
        m_knownMedia += m_currentDuration;
        m_knownBytes += m_currentBytes;
    }
    startFile(0);
}

std::chrono::milliseconds BatchProgress::elapsed() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(m_clock() - m_begun);
}

std::optional<BatchEstimate> BatchProgress::estimate(std::uintmax_t pendingBytes) const
{
    if (m_filesDone == 0 && (m_currentDuration == 0 || m_currentPosition < FirstFileShare * m_currentDuration))
        return std::nullopt;
    const double processed = m_doneMedia + m_currentPosition;
    const double wall = std::chrono::duration<double>(m_clock() - m_begun).count();
    if (processed <= 0 || wall <= 0)
        return std::nullopt;

    double knownMedia = m_knownMedia;
    double knownBytes = static_cast<double>(m_knownBytes);
    if (m_currentDuration > 0) {
        knownMedia += m_currentDuration;
        knownBytes += static_cast<double>(m_currentBytes);
    }
    // Files whose duration is not known yet, the current one before its probe included.
    std::uintmax_t unprobedBytes = pendingBytes;
    if (m_currentDuration == 0)
        unprobedBytes += m_currentBytes;
    double unprobedMedia = 0;
    if (unprobedBytes > 0) {
        if (knownBytes <= 0)
            return std::nullopt;
        unprobedMedia = static_cast<double>(unprobedBytes) * knownMedia / knownBytes;
    }
    const double remaining = std::max(0, m_currentDuration - m_currentPosition) + unprobedMedia;
    return BatchEstimate{remaining * wall / processed, processed / (processed + remaining)};
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
                            std::optional<double> speed)
{
    std::string text
        = FillIn(CoreText("BatchProgress", "File %1 of %2"), {std::to_string(fileNumber), std::to_string(fileCount)})
        + " \u00B7 ";
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
