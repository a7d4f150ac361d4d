#pragma once

#include "engine/batch_host.h"
#include "engine/batch_outcome.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace brisquel::test {

// The main window as the batch driver sees it, in plain members. Every change the driver
// makes is logged in order ("timer2 on", "caption Done.", ...), and onCall lets a test act
// at a given step.
class FakeBatchHost : public BatchHost
{
public:
    std::vector<std::string> queue;
    // By queue path: the file a temporary copy stands for, and why an entry cannot be converted.
    std::map<std::string, std::string> sources;
    std::map<std::string, std::string> intakeFailures;
    int format = 0;
    std::string bitrate = "128";
    std::string rate = "44100";
    int channel = 1;
    std::string split = "30";
    int unit = 0;
    std::string folder;
    int sound = 1;
    int cutter = 0;
    int cutLength = 0;
    bool copy = false;
    int atOnce = 1;
    std::string program;
    std::string scratch;
    std::string report; // reportFile()

    int width = 0;
    std::string caption = "0%";
    std::vector<std::string> calls;
    // The status line's texts and the launcher's fractions (-1: none), apart from calls.
    std::vector<std::string> statuses;
    std::vector<double> fractions;
    std::vector<std::string> details; // of each message
    BatchOutcome ended;
    std::function<void(const std::string& call)> onCall;

    int queueCount() const override { return static_cast<int>(queue.size()); }
    std::string queuePath(int index) const override { return queue.at(static_cast<std::size_t>(index)); }
    std::string queueSourcePath(int index) const override
    {
        const auto source = sources.find(queuePath(index));
        return source == sources.end() ? queuePath(index) : source->second;
    }
    std::string queueIntakeFailure(int index) const override
    {
        const auto failure = intakeFailures.find(queuePath(index));
        return failure == intakeFailures.end() ? std::string() : failure->second;
    }
    void removeQueueHead() override
    {
        queue.erase(queue.begin());
        log("remove");
    }
    void removeQueueEntry(int index) override
    {
        const std::string path = queue.at(static_cast<std::size_t>(index));
        queue.erase(queue.begin() + index);
        log("remove " + path);
    }
    // What each row's Format column was given, by the row's path; "" is its tag again.
    std::map<std::string, std::vector<std::string>> rowTexts;
    void showRowProgress(int index, const std::string& percent) override
    {
        const std::string path = queue.at(static_cast<std::size_t>(index));
        rowTexts[path].push_back(percent);
        log("row " + path + " " + percent);
    }
    int formatIndex() const override { return format; }
    std::string bitrateText() const override { return bitrate; }
    std::string rateText() const override { return rate; }
    int channelIndex() const override { return channel; }
    std::string splitText() const override { return split; }
    int unitIndex() const override { return unit; }
    std::string outputFolderText() const override { return folder; }
    int soundReminder() const override { return sound; }
    int musicCutter() const override { return cutter; }
    int cutLengthSeconds() const override { return cutLength; }
    bool splitByCopy() const override { return copy; }
    int conversionsAtOnce() const override { return atOnce; }
    std::string programFolder() const override { return program; }
    std::string scratchFolder() const override { return scratch; }

    void setProgressCaption(const std::string& text) override
    {
        caption = text;
        log("caption " + text);
    }
    int progressWidth() const override { return width; }
    void setProgressWidth(int twips) override
    {
        width = twips;
        log("width " + std::to_string(twips));
    }
    void setAnimationTimer(bool on) override { log(on ? "timer2 on" : "timer2 off"); }
    void setStartTimer(bool on) override
    {
        startTimer = on;
        log(on ? "timer1 on" : "timer1 off");
    }
    void setToolbarEnabled(bool enabled) override { log(enabled ? "toolbar on" : "toolbar off"); }
    void setConvertStop(bool stop) override { log(stop ? "convert stop" : "convert start"); }
    void showBatchProgress(const std::string& status, std::optional<double> fractionDone) override
    {
        statuses.push_back(status);
        fractions.push_back(fractionDone.value_or(-1));
    }
    void batchEnded(const BatchOutcome& outcome) override
    {
        ended = outcome;
        log("batch ended");
    }
    std::string reportFile() const override { return report; }
    void openFolder(const std::string& path) override { log("open " + path); }
    void playReminderSound() override { log("sound"); }
    void showDropZone() override { log("dropzone"); }
    void showMessage(MessageIcon icon, const std::string& title, const std::string& text,
                     const std::string& detailText) override
    {
        details.push_back(detailText);
        const char* name = icon == MessageIcon::Warning ? "warning" : icon == MessageIcon::Critical ? "critical" : "info";
        log(std::string("message ") + name + " " + title + ": " + text);
    }

    bool startTimer = false;

    int count(const std::string& call) const
    {
        int n = 0;
        for (const std::string& c : calls)
            n += c == call;
        return n;
    }

private:
    void log(const std::string& call)
    {
        calls.push_back(call);
        if (onCall)
            onCall(call);
    }
};

} // namespace brisquel::test
