#include "ui/App.h"

#include "ui/Bind.h"
#include <commctrl.h>

namespace ui {
namespace {

bool quitWhenLastFormUnloads = false;
int loadedForms = 0;
std::string helpFile;
HelpHook helpHook;
MsgBoxHook msgBoxHook;

using HtmlHelpProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

HtmlHelpProc BindHtmlHelp() {
  static HtmlHelpProc proc = Bind<HtmlHelpProc>(LoadLibraryA("hhctrl.ocx"), "HtmlHelpA");
  return proc;
}

}  // namespace

void SetQuitWhenLastFormUnloads(bool quit) { quitWhenLastFormUnloads = quit; }

void FormLoaded() { ++loadedForms; }

void FormUnloaded() {
  if (--loadedForms <= 0) {
    loadedForms = 0;
    if (quitWhenLastFormUnloads) PostQuitMessage(0);
  }
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    HWND active = GetActiveWindow();
    if (active && IsDialogMessageA(active, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return int(message.wParam);
}

void DoEvents() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(int(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

void SetHelpFile(const std::string& path) { helpFile = path; }
const std::string& HelpFile() { return helpFile; }

void SetHelpHook(HelpHook hook) { helpHook = std::move(hook); }

void HtmlHelp(HWND owner, const std::string& file, UINT command, const char* topic) {
  if (helpHook) {
    helpHook(owner, file, command, topic ? topic : "");
    return;
  }
  if (file.empty() || GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  HtmlHelpProc proc = BindHtmlHelp();
  if (!proc) return;
  proc(owner, file.c_str(), command, topic && *topic ? DWORD_PTR(topic) : 0);
}

void SetMsgBoxHook(MsgBoxHook hook) { msgBoxHook = std::move(hook); }

int MsgBox(HWND owner, const std::string& text, const std::string& title, UINT style) {
  if (msgBoxHook) return msgBoxHook(owner, text, title, style);
  return MessageBoxA(owner, text.c_str(), title.c_str(), style);
}

void InitCommonControls() {
  static bool done = false;
  if (done) return;
  // InitCommonControlsEx came with version 4.70 of the common controls; Windows 95 and NT 4.0
  // as shipped have 4.00, where the old call registers every class.
  using InitProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  auto initEx = Bind<InitProc>(GetModuleHandleA("comctl32.dll"), "InitCommonControlsEx");
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                   ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  if (!initEx || !initEx(&classes)) ::InitCommonControls();
  done = true;
}

}  // namespace ui
