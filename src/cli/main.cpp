// brisquel-cli: the window's batch from a terminal, through the same engine.
#include "cli/cli_host.h"
#include "cli/cli_options.h"
#include "cli/cli_view.h"
#include "cli/interrupt_signals.h"
#include "cli/run_folder.h"
#include "engine/batch_driver.h"
#include "engine/command_lines.h"
#include "input/code_page.h"
#include "input/file_kind.h"
#include "input/file_search.h"
#include "input/intake_entry.h"
#include "platform/folders.h"
#include "process/poll_event_pump.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <sys/stat.h>
#include <unistd.h>

using namespace brisquel;

namespace {

int usageError(const std::string& text)
{
    std::fprintf(stderr, "brisquel-cli: %s\nTry 'brisquel-cli --help' for more.\n", text.c_str());
    return 2;
}

std::string lowerFirst(std::string text)
{
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

// Files as given, folders searched as Add Folder searches them. A path that names nothing
// is queued with its reason, so it fails in its turn and the report names it.
void queueInputs(const std::vector<std::string>& inputs, CliHost& host, const IntakeContext& context)
{
    for (const std::string& input : inputs) {
        struct stat info {};
        if (stat(input.c_str(), &info) != 0) {
            host.append({input, input, {}, {}, lowerFirst(std::strerror(errno))});
            continue;
        }
        if (!S_ISDIR(info.st_mode)) {
            host.append(foundFileEntry(input, context));
            continue;
        }
        std::vector<std::string> found;
        SearchFolder(input, found, {});
        for (const std::string& file : found) {
            if (!IsSpecialFile(file))
                host.append(foundFileEntry(file, context));
        }
    }
}

int runBatch(const CliOptions& options)
{
    const auto view = MakeCliView(options.json    ? CliViewKind::Json
                                  : options.quiet ? CliViewKind::Quiet
                                  : isatty(STDOUT_FILENO) ? CliViewKind::Terminal
                                                          : CliViewKind::Lines,
                                  stdout, stderr);
    // Taken from here on: a Ctrl-C during a long folder search stops the batch before its
    // first file.
    InterruptSignals signals;

    const std::string program = programFolder();
    const std::string converter = ResolvedConverter(program);
    if (converter.empty()) {
        view->error("no converter at " + program + "/data/" + DefaultConverterName);
        return 1;
    }
    const std::string scratch = scratchFolder();
    RunFolder run(scratch.substr(0, scratch.rfind('/')), converter);
    if (run.path().empty()) {
        view->error(run.error());
        return 1;
    }

    CliHost host(options, run.path(), run.scratchFolder(), run.converterName(), *view);
    queueInputs(options.inputs, host, {utf8CodePage(), run.scratchFolder()});
    if (host.queueCount() == 0) {
        view->error("no file to convert");
        return 1;
    }

    PollEventPump pump;
    BatchDriver driver(host, pump, [&](const std::string& text) { view->error(text); });
    host.setDriver(driver);
    bool stopAsked = false;
    int endedBy = 0;
    pump.watch(signals.descriptor(), [&] {
        for (const int signal : signals.take()) {
            if (signal == SIGINT && !stopAsked) {
                stopAsked = true;
                view->stopping();
                driver.requestStop();
            } else if (endedBy == 0) {
                endedBy = signal;
                driver.abandonBatch();
            }
        }
    });
    pump.setPassHandler([&] { host.catchUp(); });

    driver.StartConversion();
    if (host.startArmed())
        driver.onStartTimerTick();
    if (endedBy != 0) {
        view->error("ended at once: the file under way was not converted");
        return 128 + endedBy;
    }
    return CliHost::ExitStatus(driver.outcome());
}

} // namespace

int main(int argc, char** argv)
{
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    const CliCommand command =
        ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc), cores > 0 ? static_cast<int>(cores) : 1);
    switch (command.action) {
    case CliCommand::Action::Help: std::fputs(CliUsageText().c_str(), stdout); return 0;
    case CliCommand::Action::Version: std::printf("brisquel-cli %s\n", BRISQUEL_VERSION); return 0;
    case CliCommand::Action::UsageError: return usageError(command.error);
    case CliCommand::Action::Run: break;
    }
    try {
        return runBatch(command.options);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "brisquel-cli: %s\n", failure.what());
        return 1;
    }
}
