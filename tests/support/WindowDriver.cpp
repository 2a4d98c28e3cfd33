#include "tests/support/WindowDriver.h"

#include <shlwapi.h>

namespace drive {

void Pump(int milliseconds) {
  DWORD end = GetTickCount() + DWORD(milliseconds);
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (milliseconds) Sleep(5);
  } while (int(end - GetTickCount()) > 0);
}

void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

void Choose(HWND combo, int index) {
  SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
  SendMessageA(GetParent(combo), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE), LPARAM(combo));
}

void Command(HWND window, UINT id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void SelectTab(HWND tabs, int index) {
  SendMessageA(tabs, TCM_SETCURSEL, WPARAM(index), 0);
  NMHDR header{tabs, UINT_PTR(GetDlgCtrlID(tabs)), UINT(TCN_SELCHANGE)};
  SendMessageA(GetParent(tabs), WM_NOTIFY, header.idFrom, LPARAM(&header));
}

void MouseMove(HWND window, int x, int y) {
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

std::string TextOf(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::vector<ShownItem> ShownItems(HMENU popup) {
  std::vector<ShownItem> items;
  for (int position = 0; position < GetMenuItemCount(popup); ++position) {
    char caption[128] = "";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = sizeof caption;
    GetMenuItemInfoA(popup, position, TRUE, &info);
    bool separator = (info.fType & MFT_SEPARATOR) != 0;
    items.push_back({separator ? "-" : caption, info.wID, !(info.fState & MFS_GRAYED)});
  }
  return items;
}

std::vector<std::string> MenuBarCaptions(HMENU bar) {
  std::vector<std::string> captions;
  for (int position = 0; position < GetMenuItemCount(bar); ++position) {
    char caption[128] = "";
    GetMenuStringA(bar, position, caption, sizeof caption, MF_BYPOSITION);
    captions.push_back(caption);
  }
  return captions;
}

namespace {

const ShownItem* FindItem(HMENU bar, UINT id, std::vector<ShownItem>& store) {
  for (int position = 0; position < GetMenuItemCount(bar); ++position) {
    store = ShownItems(GetSubMenu(bar, position));
    for (const ShownItem& item : store)
      if (item.caption != "-" && item.id == id) return &item;
  }
  return nullptr;
}

}  // namespace

bool Shown(HMENU bar, UINT id) {
  std::vector<ShownItem> store;
  return FindItem(bar, id, store) != nullptr;
}

bool Enabled(HMENU bar, UINT id) {
  std::vector<ShownItem> store;
  const ShownItem* item = FindItem(bar, id, store);
  return item && item->enabled;
}

int PartCount(HWND bar) { return int(SendMessageA(bar, SB_GETPARTS, 0, 0)); }

std::string PartText(HWND bar, int part) {
  char text[512] = "";
  SendMessageA(bar, SB_GETTEXTA, part, LPARAM(text));
  return text;
}

int PartType(HWND bar, int part) {
  return HIWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0));
}

RECT PartRect(HWND bar, int part) {
  RECT rect{};
  SendMessageA(bar, SB_GETRECT, part, LPARAM(&rect));
  return rect;
}

std::string ToolTip(HWND toolbar, int id) {
  NMTTDISPINFOA info{};
  info.hdr.hwndFrom = HWND(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
  info.hdr.idFrom = UINT_PTR(id);
  info.hdr.code = TTN_GETDISPINFOA;
  SendMessageA(GetParent(toolbar), WM_NOTIFY, info.hdr.idFrom, LPARAM(&info));
  if (info.lpszText) return info.lpszText;
  return info.szText;
}

void DeleteTree(const std::string& key) { SHDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str()); }

}  // namespace drive
