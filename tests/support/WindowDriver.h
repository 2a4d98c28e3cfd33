// Drives real windows the way a user would, by the messages their controls send, and reads back
// what the user would see: menu items, status-bar panels, toolbar tips. Shared by the window tests.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace drive {

void Pump(int milliseconds = 0);  // handles waiting messages for a while
void Click(HWND button);          // BM_CLICK
void Choose(HWND combo, int index);  // CB_SETCURSEL and CBN_SELCHANGE to its parent
void Command(HWND window, UINT id);  // a menu item's WM_COMMAND
void SelectTab(HWND tabs, int index);  // TCM_SETCURSEL and TCN_SELCHANGE to its parent
void MouseMove(HWND window, int x, int y);  // WM_MOUSEMOVE at client pixels
std::string TextOf(HWND window);

// A menu as shown: items of one popup in order ("-" for a separator line).
struct ShownItem {
  std::string caption;
  UINT id;
  bool enabled;
};
std::vector<ShownItem> ShownItems(HMENU popup);
std::vector<std::string> MenuBarCaptions(HMENU bar);
bool Shown(HMENU bar, UINT id);    // anywhere in the bar's menus
bool Enabled(HMENU bar, UINT id);

// Status-bar parts as the bar reports them (numbered from 0).
int PartCount(HWND bar);
std::string PartText(HWND bar, int part);
int PartType(HWND bar, int part);  // 0 inset, SBT_NOBORDERS, SBT_POPOUT
RECT PartRect(HWND bar, int part);

// The tool tip text the toolbar hands out for a button (1-based command id).
std::string ToolTip(HWND toolbar, int id);

// Writes the window's current picture to a PNG file.
bool SavePng(HWND window, const std::string& path);

// Registry set-up: a whole key tree deleted (HKEY_LOCAL_MACHINE).
void DeleteTree(const std::string& key);

}  // namespace drive
