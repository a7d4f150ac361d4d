#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace brisquel::test {

// A process started straight from a test (not through the runner) under a chosen name: a
// link `folder`/`name` to `target`. It is ended and reaped when the object goes.
class NamedProcess
{
public:
    NamedProcess(const std::string& folder, const std::string& name, const std::string& target,
                 const std::vector<std::string>& arguments);
    ~NamedProcess();
    NamedProcess(const NamedProcess&) = delete;
    NamedProcess& operator=(const NamedProcess&) = delete;

    pid_t pid() const { return m_pid; }
    // Waits for the end (at most `ms`); true with the raw wait status when it has ended.
    bool waitEnded(int ms, int* status = nullptr);
    // Whether the process has exited (running: false; a zombie counts as exited).
    bool hasExited() const;

private:
    pid_t m_pid = -1;
    bool m_reaped = false;
};

// An image name that no other program on the machine uses: "bq" + this process's id + `tail`
// ("bq4242.exe" for ".exe"). The end of a run and the process list go by name system-wide,
// and other test runs may start or end processes named conv.exe at any moment.
std::string privateImageName(const std::string& tail = ".exe");

// The state letter of /proc/PID/stat ('R', 'S', 'Z', ...), 0 when the process is gone.
char processState(pid_t pid);

// The children of this process that are alive now, with their comm.
struct ChildInfo
{
    pid_t pid;
    std::string comm;
};
std::vector<ChildInfo> liveChildren();

// The number of descriptors this process holds open.
int openDescriptorCount();

} // namespace brisquel::test
