#pragma once

#include "process/event_pump.h"

#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace brisquel::test {

// A fresh folder below the system's temporary folder, removed with its content at the end.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// The folder of the test executables; its data/conv.exe links to the real converter.
std::string binFolder();

// The scripted converter built from tests/support.
std::string fakeConverterPath();

// Makes `folder`/data/conv.exe, a link to the scripted converter, and returns `folder`: a
// program folder whose converter is the fake.
std::string makeFakeProgramFolder(const std::string& folder);

// Runs the real converter under its own name, not as conv.exe, so that ending stray conv.exe
// processes (a batch does it for every file, here or in a test running beside this one)
// cannot cut it short; returns what it printed. Fixtures are made and measured this way.
std::string runConverter(const std::vector<std::string>& arguments);

// The processes named conv.exe whose command line holds `text`: a test's own converter runs,
// told apart from those of tests running beside it.
std::vector<int> converterProcessesOn(const std::string& text);

// Writes a whole file; returns false when it cannot.
bool writeFile(const std::string& path, const std::string& bytes);
// Reads a whole file; empty when it cannot.
std::string readFile(const std::string& path);

// Local time as UTC gives it, so that a text with times in it is the same on every machine.
std::tm utcTime(std::time_t time);

// An EventPump without a window: Wait sleeps, and both run the optional action first, so a
// test can act (a click, a drop) from inside a running operation.
class SleepPump : public EventPump
{
public:
    void ProcessPending() override;
    void Wait(int ms) override;
    void WaitOrReadable(int ms, int fd) override;

    std::function<void()> onPending;
    int pendingCalls = 0;
    int waitCalls = 0;
};

} // namespace brisquel::test
