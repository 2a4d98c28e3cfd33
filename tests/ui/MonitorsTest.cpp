// Whether a saved place may be used, asked of two stand-in monitors side by side: the first has a
// band at its bottom outside its work area, the second none.
#include "ui/Monitors.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

struct Monitor {
  RECT screen, work;
};
const Monitor kMonitors[] = {
    {{0, 0, 800, 600}, {0, 0, 800, 560}},
    {{800, 0, 1600, 600}, {800, 0, 1600, 600}},
};
bool infoFails = false;

HMONITOR Handle(size_t index) { return reinterpret_cast<HMONITOR>(index + 1); }

// Calls back for each monitor that clip touches, as user32 does without a device context.
BOOL WINAPI EnumDisplayMonitorsStandIn(HDC, LPCRECT clip, MONITORENUMPROC callback, LPARAM data) {
  for (size_t i = 0; i < std::size(kMonitors); ++i) {
    RECT screen = kMonitors[i].screen, both;
    if (clip && !IntersectRect(&both, clip, &screen)) continue;
    if (!callback(Handle(i), nullptr, &screen, data)) break;
  }
  return TRUE;
}

BOOL WINAPI GetMonitorInfoStandIn(HMONITOR monitor, LPMONITORINFO info) {
  size_t index = reinterpret_cast<size_t>(monitor) - 1;
  if (infoFails || index >= std::size(kMonitors) || info->cbSize < sizeof *info) return FALSE;
  info->rcMonitor = kMonitors[index].screen;
  info->rcWork = kMonitors[index].work;
  info->dwFlags = index == 0 ? MONITORINFOF_PRIMARY : 0;
  return TRUE;
}

class Monitors : public testing::Test {
 protected:
  void SetUp() override {
    infoFails = false;
    ui::BoundMonitorCalls() = ui::MonitorCalls{EnumDisplayMonitorsStandIn, GetMonitorInfoStandIn};
  }
  void TearDown() override { ui::BoundMonitorCalls() = bound_; }

 private:
  const ui::MonitorCalls bound_ = ui::BoundMonitorCalls();
};

TEST_F(Monitors, APlaceIsRefusedOnlyWhereNoWorkAreaShowsAnyOfIt) {
  struct Row {
    const char* where;
    RECT rect;
    bool shown;
  };
  const Row rows[] = {
      {"mostly in the first band, its top right in the second", {300, 570, 962, 1002}, true},
      {"in the first band alone, its top on the work area's edge", {100, 560, 700, 900}, false},
      {"beside both monitors", {1700, 100, 2000, 300}, false},
      {"below both monitors", {300, 600, 1100, 900}, false},
      {"within the first work area", {100, 100, 500, 400}, true},
      {"across both work areas", {600, 100, 1000, 400}, true},
      {"in the second monitor's bottom", {900, 570, 1200, 900}, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.where);
    EXPECT_EQ(ui::ShowsInAWorkArea(row.rect), row.shown);
  }
}

// Unknown work areas cost no saved place that lies on a monitor.
TEST_F(Monitors, AMonitorThatCannotBeAskedCountsAsShowingTheWindow) {
  infoFails = true;
  EXPECT_TRUE(ui::ShowsInAWorkArea({100, 560, 700, 900}));
  EXPECT_FALSE(ui::ShowsInAWorkArea({1700, 100, 2000, 300}));
}

}  // namespace
