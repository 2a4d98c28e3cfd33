#include "ui/App.h"

#include "ui/AnsiText.h"
#include "ui/Bind.h"
#include "ui/Focus.h"
#include "ui/Form.h"
#include <commctrl.h>
#include <algorithm>
#include <deque>
#include <vector>

namespace ui {
namespace {

bool quitWhenLastFormUnloads = false;
// In the order they were loaded; never destroyed, since forms that are statics outlive main.
std::vector<Form*>& loadedForms = *new std::vector<Form*>;
bool sessionEnding = false;
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

void FormLoaded(Form* form) { loadedForms.push_back(form); }

void FormUnloaded(Form* form) {
  auto found = std::find(loadedForms.begin(), loadedForms.end(), form);
  if (found == loadedForms.end()) return;
  loadedForms.erase(found);
  if (loadedForms.empty() && quitWhenLastFormUnloads) PostQuitMessage(0);
}

void EndSession() {
  if (sessionEnding) return;
  sessionEnding = true;
  std::vector<Form*> forms = loadedForms;
  for (auto form = forms.rbegin(); form != forms.rend(); ++form)
    if (std::find(loadedForms.begin(), loadedForms.end(), *form) != loadedForms.end())
      (*form)->Unload();
  sessionEnding = false;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) RouteMessage(GetActiveWindow(), message);
  return int(message.wParam);
}

void DoEvents() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(int(message.wParam));
      return;
    }
    RouteMessage(GetActiveWindow(), message);
  }
}

// The dialog manager's mnemonic search starts at the window that a key was sent to and never ends
// when that window is hidden, so a key on its way to a control that has been hidden since goes
// where the focus is now. A minimised form takes its keys itself: on Tab the dialog manager would
// hand the focus to one of its controls.
void RouteMessage(HWND active, MSG& message) {
  bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
  Form* form = key ? Container::OwningForm(active) : nullptr;
  if (form) {
    form->KeepFocusOnView();
    if (IsChild(active, message.hwnd) && !CanTakeFocus(active, message.hwnd))
      message.hwnd = GetFocus() ? GetFocus() : active;
  }
  if (!active || IsIconic(active) || !IsDialogMessageA(active, &message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // On Tab the dialog manager takes the default look from every button but the focused one.
  if (form) form->ShowDefault();
}

std::string ProgramFolder() { return FolderOf(ModuleFileName()); }

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

namespace {

struct Box {
  HWND owner;
  std::string text, title;
  UINT style;
  bool operator==(const Box& other) const {
    return text == other.text && title == other.title && style == other.style;
  }
};

int ShowBox(const Box& box) {
  HWND owner = box.owner && IsWindow(box.owner) ? box.owner : nullptr;
  if (msgBoxHook) return msgBoxHook(owner, box.text, box.title, box.style);
  return MessageBoxA(owner, box.text.c_str(), box.title.c_str(), box.style);
}

}  // namespace

// A box runs a message loop of its own, where timers still tick: without the queue a timer that
// shows a box would open one more inside it at every tick.
int MsgBox(HWND owner, const std::string& text, const std::string& title, UINT style) {
  static std::deque<Box> boxes;  // the open box first, then those waiting
  if (sessionEnding) return IDOK;
  Box box{owner, text, title, style};
  if (!boxes.empty()) {
    if (std::find(boxes.begin(), boxes.end(), box) == boxes.end()) boxes.push_back(box);
    return IDOK;
  }
  boxes.push_back(box);
  int result = ShowBox(box);
  boxes.pop_front();
  while (!boxes.empty()) {
    if (!sessionEnding) ShowBox(boxes.front());
    boxes.pop_front();
  }
  return result;
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
