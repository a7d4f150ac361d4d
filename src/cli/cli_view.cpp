#include "cli/cli_view.h"

#include "engine/batch_progress.h"
#include "engine/failure_report.h"
#include "input/get_file.h"
#include "input/utf8_text.h"

#include <cmath>
#include <vector>
#include <sys/ioctl.h>
#include <unistd.h>

namespace brisquel {

namespace {

using Clock = std::chrono::steady_clock;
// Redraws and progress events come at most this often: a converter reports twice a second
// per file, and several files at once must not flood a terminal or a reader.
constexpr std::chrono::milliseconds RedrawInterval{100};

std::string pieces(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " piece" : " pieces");
}

std::string place(int number, int count)
{
    return "[" + std::to_string(number) + "/" + std::to_string(count) + "]";
}

// Every view tells errors the same way.
class ViewBase : public CliView
{
public:
    ViewBase(std::FILE* out, std::FILE* err)
        : m_out(out)
        , m_err(err)
    {
    }

    void error(const std::string& text) override
    {
        std::fflush(m_out);
        std::fprintf(m_err, "brisquel-cli: %s\n", text.c_str());
        std::fflush(m_err);
    }

protected:
    // The file's error line, if its end is one.
    void tellFailure(const FileOutcome& file)
    {
        if (file.result == FileResult::Failed)
            error(file.input + ": " + FailureReason(file.reason));
        else if (file.result == FileResult::NotStarted && !file.reason.empty())
            error(file.input + ": " + file.reason);
    }

    std::FILE* m_out;
    std::FILE* m_err;
};

// Not a terminal: one plain line per file event, nothing redrawn.
class LinesView : public ViewBase
{
public:
    LinesView(std::FILE* out, std::FILE* err, bool quiet)
        : ViewBase(out, err)
        , m_quiet(quiet)
    {
    }

    void fileStarted(int number, int count, const std::string& path) override
    {
        line("started  " + place(number, count) + " " + path);
    }
    void progress(const std::string&, std::optional<double>, const std::string&, std::optional<double>) override {}
    void fileEnded(int number, int count, const FileOutcome& file) override
    {
        line(EndLine(number, count, file));
        tellFailure(file);
    }
    void stopping() override { line("stopping..."); }
    void batchEnded(const BatchOutcome& outcome, int) override { line(BatchEndText(outcome)); }

    static std::string EndLine(int number, int count, const FileOutcome& file)
    {
        const std::string where = place(number, count) + " " + file.input;
        switch (file.result) {
        case FileResult::Converted: return "done     " + where + " -> " + pieces(file.segments.size());
        case FileResult::Warning:
            return "done     " + where + " -> " + pieces(file.segments.size()) + " (warning: " + file.reason + ")";
        case FileResult::Failed: return "failed   " + where;
        case FileResult::Stopped: return "stopped  " + where;
        case FileResult::NotStarted: break;
        }
        return "left     " + where;
    }

private:
    void line(const std::string& text)
    {
        if (m_quiet)
            return;
        std::fprintf(m_out, "%s\n", text.c_str());
        std::fflush(m_out);
    }

    bool m_quiet;
};

// A terminal: the running file with its bar and the batch's status line, redrawn in place;
// each file's end stays above them.
class TerminalView : public ViewBase
{
public:
    using ViewBase::ViewBase;

    void fileStarted(int number, int count, const std::string& path) override
    {
        m_files.push_back({path, std::nullopt});
        if (m_status.empty())
            m_status = "File " + std::to_string(number) + " of " + std::to_string(count);
        redraw(true);
    }
    void progress(const std::string& path, std::optional<double> fileDone, const std::string& status,
                  std::optional<double>) override
    {
        for (Running& file : m_files) {
            if (file.path == path)
                file.done = fileDone;
        }
        m_status = status;
        redraw(false);
    }
    void fileEnded(int number, int count, const FileOutcome& file) override
    {
        erase();
        std::fprintf(m_out, "%s\n", fitted(LinesView::EndLine(number, count, file)).c_str());
        tellFailure(file);
        std::erase_if(m_files, [&](const Running& running) { return running.path == file.input; });
        redraw(true);
    }
    void stopping() override
    {
        erase();
        std::fprintf(m_out, "Stopping... (Ctrl-C again to end at once)\n");
        redraw(true);
    }
    void batchEnded(const BatchOutcome& outcome, int) override
    {
        erase();
        std::fprintf(m_out, "%s\n", BatchEndText(outcome).c_str());
        std::fflush(m_out);
        m_files.clear();
        m_status.clear();
    }
    void error(const std::string& text) override
    {
        erase();
        ViewBase::error(text);
        redraw(true);
    }
    void tick() override
    {
        if (m_pending)
            redraw(false);
    }

private:
    int columns() const
    {
        winsize size {};
        if (ioctl(fileno(m_out), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
            return size.ws_col;
        return 80;
    }

    // A line that wraps would throw the redraw off by a line.
    std::string fitted(const std::string& text) const
    {
        return std::string(firstCharacters(text, static_cast<std::size_t>(std::max(columns() - 1, 10))));
    }

    void erase()
    {
        for (; m_drawn > 0; --m_drawn)
            std::fputs("\x1b[1A\x1b[2K", m_out);
        std::fputc('\r', m_out);
    }

    void redraw(bool now)
    {
        const Clock::time_point time = Clock::now();
        if (!now && time - m_lastDraw < RedrawInterval) {
            m_pending = true;
            return;
        }
        m_pending = false;
        m_lastDraw = time;
        erase();
        for (const Running& file : m_files) {
            constexpr int BarWidth = 24;
            std::string bar;
            std::string percent = "preparing";
            if (file.done) {
                const int filled = static_cast<int>(std::lround(*file.done * BarWidth));
                bar = "[" + std::string(static_cast<std::size_t>(filled), '#')
                    + std::string(static_cast<std::size_t>(BarWidth - filled), '.') + "] ";
                char text[16];
                std::snprintf(text, sizeof text, "%5.1f%%", *file.done * 100);
                percent = text;
            }
            std::fprintf(m_out, "%s\n", fitted("  " + bar + percent + "  " + GetFileName(file.path)).c_str());
            ++m_drawn;
        }
        if (!m_status.empty()) {
            std::fprintf(m_out, "%s\n", fitted(m_status).c_str());
            ++m_drawn;
        }
        std::fflush(m_out);
    }

    struct Running
    {
        std::string path;
        std::optional<double> done;
    };
    std::vector<Running> m_files;
    std::string m_status;
    int m_drawn = 0;
    bool m_pending = false;
    Clock::time_point m_lastDraw{};
};

std::string number(std::optional<double> value)
{
    if (!value)
        return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", *value);
    return text;
}

// --json: one object per line, for a program to read.
class JsonView : public ViewBase
{
public:
    using ViewBase::ViewBase;

    void fileStarted(int number, int count, const std::string& path) override
    {
        line("{\"event\":\"started\",\"file\":" + JsonString(path) + placeFields(number, count) + "}");
    }
    void progress(const std::string& path, std::optional<double> fileDone, const std::string& status,
                  std::optional<double> batchDone) override
    {
        const Clock::time_point time = Clock::now();
        if (path.empty())
            return;
        std::string text = "{\"event\":\"progress\",\"file\":" + JsonString(path) + ",\"percent\":"
                         + number(fileDone ? std::optional<double>(*fileDone * 100) : std::nullopt)
                         + ",\"batch_percent\":"
                         + number(batchDone ? std::optional<double>(*batchDone * 100) : std::nullopt)
                         + ",\"status\":" + JsonString(status) + "}";
        if (time - m_lastProgress < RedrawInterval || text == m_lastProgressText)
            return;
        m_lastProgress = time;
        line(text);
        m_lastProgressText = std::move(text);
    }
    void fileEnded(int number, int count, const FileOutcome& file) override
    {
        std::string text = "{\"event\":";
        switch (file.result) {
        case FileResult::Converted:
        case FileResult::Warning: text += "\"done\""; break;
        case FileResult::Failed: text += "\"failed\""; break;
        case FileResult::Stopped: text += "\"stopped\""; break;
        case FileResult::NotStarted: text += "\"not_started\""; break;
        }
        text += ",\"file\":" + JsonString(file.input) + placeFields(number, count);
        if (file.result == FileResult::Converted || file.result == FileResult::Warning) {
            text += ",\"pieces\":[";
            for (std::size_t i = 0; i < file.segments.size(); ++i)
                text += (i == 0 ? "" : ",") + JsonString(file.segments[i]);
            text += "]";
        }
        if (!file.reason.empty())
            text += std::string(file.result == FileResult::Warning ? ",\"warning\":" : ",\"reason\":")
                  + JsonString(file.reason);
        line(text + "}");
        tellFailure(file);
    }
    void stopping() override { line("{\"event\":\"stopping\"}"); }
    void batchEnded(const BatchOutcome& outcome, int exitStatus) override
    {
        const int left = outcome.count(FileResult::Stopped) + outcome.count(FileResult::NotStarted);
        line("{\"event\":\"batch_done\",\"converted\":" + std::to_string(outcome.converted())
             + ",\"failed\":" + std::to_string(outcome.count(FileResult::Failed))
             + ",\"warnings\":" + std::to_string(outcome.count(FileResult::Warning))
             + ",\"left\":" + std::to_string(left) + ",\"stopped\":" + (outcome.stopped ? "true" : "false")
             + ",\"output\":" + JsonString(outcome.settings.outputFolder)
             + ",\"seconds\":" + number(std::chrono::duration<double>(outcome.duration).count())
             + ",\"exit_status\":" + std::to_string(exitStatus) + "}");
    }

private:
    static std::string placeFields(int number, int count)
    {
        return ",\"number\":" + std::to_string(number) + ",\"count\":" + std::to_string(count);
    }

    void line(const std::string& text)
    {
        std::fprintf(m_out, "%s\n", text.c_str());
        std::fflush(m_out);
    }

    Clock::time_point m_lastProgress{};
    std::string m_lastProgressText;
};

} // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> c = decodeUtf8(text, pos);
        if (!c) {
            appendUtf8(out, U'\uFFFD');
        } else if (*c == '"' || *c == '\\') {
            out += '\\';
            out += static_cast<char>(*c);
        } else if (*c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(*c));
            out += escaped;
        } else {
            appendUtf8(out, *c);
        }
    }
    return out + "\"";
}

std::unique_ptr<CliView> MakeCliView(CliViewKind kind, std::FILE* out, std::FILE* err)
{
    switch (kind) {
    case CliViewKind::Terminal: return std::make_unique<TerminalView>(out, err);
    case CliViewKind::Json: return std::make_unique<JsonView>(out, err);
    case CliViewKind::Quiet: return std::make_unique<LinesView>(out, err, true);
    case CliViewKind::Lines: break;
    }
    return std::make_unique<LinesView>(out, err, false);
}

} // namespace brisquel
