#include "tests/help/HelpWindows.h"

namespace helptest {

namespace {

using HtmlHelpProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT kCloseAll = 0x12;

std::string TestsFolderParent() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of('\\'));
  folder.erase(folder.find_last_of('\\') + 1);
  return folder;
}

BOOL CALLBACK CollectHelpWindow(HWND window, LPARAM list) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (process == GetCurrentProcessId() && std::string(name) == "HH Parent")
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

std::string BuiltHelpFile() { return TestsFolderParent() + "bin\\trasko.chm"; }

std::string MissingHelpFile() { return TestsFolderParent() + "bin\\no-such-help.chm"; }

std::vector<HWND> OpenHelpWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectHelpWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string CaptionOf(HWND window) {
  char caption[128] = {};
  GetWindowTextA(window, caption, sizeof caption);
  return caption;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void CloseHelpWindows() {
  if (HMODULE module = GetModuleHandleA("hhctrl.ocx")) {
    auto htmlHelp = reinterpret_cast<HtmlHelpProc>(
        reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpA")));
    if (htmlHelp) htmlHelp(nullptr, nullptr, kCloseAll, 0);
  }
  PumpMessages();
}

}  // namespace helptest
