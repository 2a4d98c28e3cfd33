// The monitors a window can be seen on. Windows 98 and 2000 brought several monitors and the calls
// that tell them apart; Windows 95 and NT 4.0 lack those calls and have the primary screen alone.
#pragma once
#include <windows.h>

namespace ui {

using EnumDisplayMonitorsProc = BOOL(WINAPI*)(HDC dc, LPCRECT clip, MONITORENUMPROC callback,
                                              LPARAM data);
using GetMonitorInfoProc = BOOL(WINAPI*)(HMONITOR monitor, LPMONITORINFO info);

// Bound from user32 at first use; null where the running Windows lacks them. Tests may replace
// them to play Windows 95 or NT 4.0.
struct MonitorCalls {
  EnumDisplayMonitorsProc enumDisplayMonitors;
  GetMonitorInfoProc getMonitorInfo;
};
MonitorCalls& BoundMonitorCalls();

// Whether some of rect (screen pixels) lies in the work area of a monitor: the monitor less its
// taskbar and desktop tool bars.
bool ShowsInAWorkArea(const RECT& rect);

}  // namespace ui
