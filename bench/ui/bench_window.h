#pragma once

#include "ui/frm_main.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace brisquel::bench {

// The window benches draw offscreen unless they are given a display.
inline void offscreenUnlessDisplayed()
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// Runs the load step, shows the window and returns once Timer3 has revealed it.
inline void reveal(frmMain& window)
{
    bool revealed = false;
    QObject::connect(&window, &frmMain::revealed, [&] { revealed = true; });
    window.load();
    window.show();
    while (!revealed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace brisquel::bench
