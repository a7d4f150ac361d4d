#pragma once

#include "engine/batch_outcome.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brisquel {

struct BatchEstimate
{
    double secondsLeft = 0;
    double fractionDone = 0; // of the batch's media time, 0 to 1
};

// The whole batch's progress, weighted by media time: files done count with their
// durations, the current file with its position, and files not probed yet with a duration
// guessed from their size at the bytes per media second seen so far. Time left is the media
// time still to go at the media seconds per wall second seen so far.
class BatchProgress
{
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit BatchProgress(Clock clock);

    void begin();
    void startFile(std::uintmax_t bytes);
    void setDuration(int seconds); // 0: unknown
    void setPosition(int seconds);
    void setSpeed(double speed) { m_speed = speed; }
    void finishFile();

    // Nothing until the first file has reached a tenth of its duration, or when nothing
    // seen so far gives a rate.
    std::optional<BatchEstimate> estimate(std::uintmax_t pendingBytes) const;
    std::chrono::milliseconds elapsed() const;
    // As the converter last reported it; nothing before its first report of the batch.
    std::optional<double> speed() const { return m_speed; }

private:
    Clock m_clock;
    std::chrono::steady_clock::time_point m_begun{};
    int m_filesDone = 0;
    double m_doneMedia = 0;
    double m_knownMedia = 0;       // done files whose duration was known
    std::uintmax_t m_knownBytes = 0;
    std::uintmax_t m_currentBytes = 0;
    int m_currentDuration = 0;
    int m_currentPosition = 0;
    std::optional<double> m_speed;
};

// "1:42", "12:05", "1:02:03".
std::string ClockText(double seconds);

// "File 3 of 12 · 1:42 left · 6.3x"; "estimating..." in place of the time left while there
// is no estimate; the speed only once known.
std::string BatchStatusText(int fileNumber, int fileCount, const std::optional<BatchEstimate>& estimate,
                            std::optional<double> speed);

// "12 converted, 1 failed in 4:05"; a stopped batch says so.
std::string BatchEndText(const BatchOutcome& outcome);

// "12 files converted, 1 failed".
std::string BatchNotificationText(const BatchOutcome& outcome);

// The converter's own speed ("speed=6.27x", "speed= 627x") of a chunk's first progress
// line; nothing when absent or "N/A".
std::optional<double> SpeedFromChunk(std::string_view chunk);

} // namespace brisquel
