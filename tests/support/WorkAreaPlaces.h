// Saved places of a window around the edges of the screen's work area: those that would show
// nothing of the window, and those that show one pixel of it. And places on the display of two
// monitors that the test session offers.
#pragma once
#include <windows.h>

#include "ui/Twips.h"

#include <vector>

struct SavedPlace {
  const char* where;
  int left, top;  // twips
  bool used;      // whether a start puts the window there
};

// width, height: the window's size; left, top: a place well inside the work area (twips).
inline std::vector<SavedPlace> PlacesAroundWorkArea(int width, int height, int left, int top) {
  const int tx = ui::TwipsPerPixelX(), ty = ui::TwipsPerPixelY();
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int areaLeft = area.left * tx, areaTop = area.top * ty;
  const int areaRight = area.right * tx, areaBottom = area.bottom * ty;
  return {{"where a minimised window stands", -32000 * tx, -32000 * ty, false},
          {"beyond the right edge", areaRight, top, false},
          {"below the bottom edge", left, areaBottom, false},
          {"against the left edge", areaLeft - width, top, false},
          {"against the top edge", left, areaTop - height, false},
          {"one pixel in on the right", areaRight - tx, top, true},
          {"one pixel in at the bottom", left, areaBottom - ty, true},
          {"one pixel in on the left", areaLeft - width + tx, top, true},
          {"one pixel in at the top", left, areaTop - height + ty, true}};
}

// The two-monitor display: 800 x 600 pixels each, the second right of the first, the work area
// 40 pixels below the top edge of both. Where the monitor calls are missing (Windows 95, NT 4.0)
// only the primary monitor counts.
inline bool OnTwoMonitors() { return GetSystemMetrics(SM_CMONITORS) == 2; }

struct MonitorPlace {
  const char* where;
  int left, top;        // pixels
  bool used;            // with the monitor calls
  bool usedOnPrimary;   // without them
};

inline std::vector<MonitorPlace> PlacesOnTwoMonitors(int height) {
  const int ty = ui::TwipsPerPixelY();
  return {{"on the second monitor", 1000, 100, true, false},
          {"on the first monitor", 100, 200, true, true},
          {"beyond the second monitor", 1600, 100, false, false},
          {"above the second monitor's work area", 1000, 40 - height / ty, false, false}};
}
