#pragma once

#include <csignal>
#include <vector>

namespace brisquel {

// Turns SIGINT, SIGTERM and SIGHUP into bytes on a pipe, so that the event pump handles
// them between two steps of the batch, where stopping is safe. SIGPIPE is ignored: a closed
// standard output is a write error, not the end of the run with converters left behind.
// The previous dispositions come back when the object goes.
class InterruptSignals
{
public:
    InterruptSignals();
    ~InterruptSignals();
    InterruptSignals(const InterruptSignals&) = delete;
    InterruptSignals& operator=(const InterruptSignals&) = delete;

    // Readable while signals wait to be taken.
    int descriptor() const { return m_read; }

    // The signals received since the last call, in order of arrival.
    std::vector<int> take();

private:
    int m_read = -1;
    int m_write = -1;
    struct sigaction m_previous[4] {};
};

} // namespace brisquel
