#include "ui/Monitors.h"

namespace ui {
namespace {

template <class Proc>
Proc Bind(HMODULE module, const char* name) {
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

RECT PrimaryWorkArea() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT asked;
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &asked, 0)) area = asked;
  return area;
}

}  // namespace

MonitorCalls& BoundMonitorCalls() {
  static MonitorCalls calls = [] {
    HMODULE user = GetModuleHandleA("user32.dll");
    return MonitorCalls{Bind<MonitorFromRectProc>(user, "MonitorFromRect"),
                        Bind<GetMonitorInfoProc>(user, "GetMonitorInfoA")};
  }();
  return calls;
}

bool ShowsInAWorkArea(const RECT& rect) {
  const MonitorCalls& calls = BoundMonitorCalls();
  RECT area = PrimaryWorkArea(), shown;
  if (calls.monitorFromRect && calls.getMonitorInfo) {
    // The monitor that holds the most of rect; none when rect lies beside every monitor.
    HMONITOR monitor = calls.monitorFromRect(&rect, MONITOR_DEFAULTTONULL);
    if (!monitor) return false;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!calls.getMonitorInfo(monitor, &info)) return true;
    area = info.rcWork;
  }
  return IntersectRect(&shown, &rect, &area) != FALSE;
}

}  // namespace ui
