#pragma once

#include "engine/batch_outcome.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace brisquel {

// What the command line shows of a batch. Errors go to standard error in every view; the
// rest goes to standard output as the chosen view draws it.
class CliView
{
public:
    virtual ~CliView() = default;

    // `number` of `count`: the file's place in the batch, from 1.
    virtual void fileStarted(int number, int count, const std::string& path) = 0;
    // A running file's share done (nothing while it is prepared), and the whole batch's
    // status line and share done. An empty path updates the batch alone.
    virtual void progress(const std::string& path, std::optional<double> fileDone, const std::string& status,
                          std::optional<double> batchDone) = 0;
    virtual void fileEnded(int number, int count, const FileOutcome& file) = 0;
    // The first Ctrl-C: the running file is being stopped.
    virtual void stopping() = 0;
    virtual void batchEnded(const BatchOutcome& outcome, int exitStatus) = 0;
    // A line for standard error, without the program's name.
    virtual void error(const std::string& text) = 0;
    // Called often while the batch runs: a view that redraws at a limited rate draws what
    // it held back.
    virtual void tick() {}
};

enum class CliViewKind { Terminal, Lines, Json, Quiet };

std::unique_ptr<CliView> MakeCliView(CliViewKind kind, std::FILE* out, std::FILE* err);

// The text of a JSON string, quoted; bytes that are not UTF-8 become U+FFFD, so the line
// stays valid JSON whatever a file name holds.
std::string JsonString(const std::string& text);

} // namespace brisquel
