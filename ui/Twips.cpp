#include "ui/Twips.h"
#include <windows.h>

namespace ui {
namespace {

int Density(int index) {
  static int density[2] = {0, 0};
  int& slot = density[index == LOGPIXELSX ? 0 : 1];
  if (!slot) {
    HDC screen = GetDC(nullptr);
    slot = GetDeviceCaps(screen, index);
    ReleaseDC(nullptr, screen);
    if (slot <= 0) slot = 96;
  }
  return slot;
}

int Round(double value) { return value < 0 ? int(value - 0.5) : int(value + 0.5); }

}  // namespace

int TwipsPerPixelX() { return 1440 / Density(LOGPIXELSX); }
int TwipsPerPixelY() { return 1440 / Density(LOGPIXELSY); }
int ToPixelsX(int twips) { return Round(double(twips) / TwipsPerPixelX()); }
int ToPixelsY(int twips) { return Round(double(twips) / TwipsPerPixelY()); }
int ToTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
int ToTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }
int ScreenWidth() { return ToTwipsX(GetSystemMetrics(SM_CXSCREEN)); }
int ScreenHeight() { return ToTwipsY(GetSystemMetrics(SM_CYSCREEN)); }

}  // namespace ui
