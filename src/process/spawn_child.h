#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace brisquel {

// Starts `arguments` (the first names the program; one without a "/" is looked up in PATH)
// with stdin on /dev/null, stdout and stderr both on `output`, no other descriptor, default
// signal handling and an empty signal mask. The child is killed when the thread that started
// it ends, so a converter never outlives the program, however the program ends. Returns the
// child, or -1 when it could not be started (a failed exec included).
pid_t SpawnChild(const std::vector<std::string>& arguments, int output);

} // namespace brisquel
