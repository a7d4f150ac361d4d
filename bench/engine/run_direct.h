#pragma once

#include <string>
#include <vector>

namespace brisquel::bench {

// Starts the program of `arguments` (a path, or a name found on PATH) with its output thrown
// away, waits for it, and tells whether it exited with 0. Never through a shell.
bool runDirect(const std::vector<std::string>& arguments);

// The same for a command line, split as the runner splits it.
bool runDirectLine(const std::string& commandLine);

} // namespace brisquel::bench
