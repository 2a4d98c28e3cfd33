#include "ui/Monitors.h"

#include "ui/Bind.h"

namespace ui {
namespace {

RECT PrimaryWorkArea() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT asked;
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &asked, 0)) area = asked;
  return area;
}

struct Search {
  GetMonitorInfoProc getMonitorInfo;
  RECT rect;
  bool shown;
};

// A monitor whose work area cannot be asked counts as showing the window: a saved place is
// refused only when nothing shows any of it.
BOOL CALLBACK ShowsOnMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  Search& search = *reinterpret_cast<Search*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  RECT shown;
  bool asked = search.getMonitorInfo(monitor, &info) != FALSE;
  if (!asked || IntersectRect(&shown, &search.rect, &info.rcWork)) search.shown = true;
  return TRUE;
}

}  // namespace

MonitorCalls& BoundMonitorCalls() {
  static MonitorCalls calls = [] {
    HMODULE user = GetModuleHandleA("user32.dll");
    return MonitorCalls{Bind<EnumDisplayMonitorsProc>(user, "EnumDisplayMonitors"),
                        Bind<GetMonitorInfoProc>(user, "GetMonitorInfoA")};
  }();
  return calls;
}

bool ShowsInAWorkArea(const RECT& rect) {
  const MonitorCalls& calls = BoundMonitorCalls();
  if (calls.enumDisplayMonitors && calls.getMonitorInfo) {
    // Every monitor the window touches; none when it lies beside them all.
    Search search{calls.getMonitorInfo, rect, false};
    if (calls.enumDisplayMonitors(nullptr, &rect, ShowsOnMonitor,
                                  reinterpret_cast<LPARAM>(&search)))
      return search.shown;
  }
  RECT area = PrimaryWorkArea(), shown;
  return IntersectRect(&shown, &rect, &area) != FALSE;
}

}  // namespace ui
