#pragma once

#include "engine/batch_outcome.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
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

    // `file` tells apart the files converted at once (0 when one at a time).
    void begin();
    void startFile(std::uintmax_t bytes, int file = 0);
    void setDuration(int seconds, int file = 0); // 0: unknown
    void setPosition(int seconds, int file = 0);
    void setSpeed(double speed) { m_speed = speed; }
    void finishFile(int file = 0);
    // The file ends without a result (stopped): it counts as not started.
    void dropFile(int file) { m_current.erase(file); }

    // Nothing until the first file has reached a tenth of its duration, or when nothing
    // seen so far gives a rate.
    std::optional<BatchEstimate> estimate(std::uintmax_t pendingBytes) const;
    // The share of the batch's media time done, as the estimate weighs it but at once, for
    // a bar; nothing when no file's duration is known yet.
    std::optional<double> fractionDone(std::uintmax_t pendingBytes) const;
    std::chrono::milliseconds elapsed() const;
    // As the converter last reported it; nothing before its first report of the batch.
    std::optional<double> speed() const { return m_speed; }

private:
    struct Media
    {
        double processed = 0;
        double remaining = 0;
    };
    std::optional<Media> measure(std::uintmax_t pendingBytes) const;

    Clock m_clock;
    std::chrono::steady_clock::time_point m_begun{};
    int m_filesDone = 0;
    double m_doneMedia = 0;
    double m_knownMedia = 0;       // done files whose duration was known
    std::uintmax_t m_knownBytes = 0;
    struct Current
    {
        std::uintmax_t bytes = 0;
        int duration = 0;
        int position = 0;
    };
    std::map<int, Current> m_current;
    std::optional<double> m_speed;
};

// "1:42", "12:05", "1:02:03".
std::string ClockText(double seconds);

// "File 3 of 12 · 1:42 left · 6.3x", or "Files 3-4 of 12 · ..." while `running` files are
// converted at once; "estimating..." in place of the time left while there is no estimate;
// the speed only once known.
std::string BatchStatusText(int fileNumber, int fileCount, const std::optional<BatchEstimate>& estimate,
                            std::optional<double> speed, int running = 1);

// "12 converted, 1 failed in 4:05"; a stopped batch says so.
std::string BatchEndText(const BatchOutcome& outcome);

// "12 files converted, 1 failed".
std::string BatchNotificationText(const BatchOutcome& outcome);

// The converter's own speed ("speed=6.27x", "speed= 627x") of a chunk's first progress
// line; nothing when absent or "N/A".
std::optional<double> SpeedFromChunk(std::string_view chunk);

} // namespace brisquel
