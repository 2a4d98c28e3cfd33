#include "tests/support/Keys.h"

#include "ui/UI.h"

#include <cstdio>
#include <cstdlib>

namespace keys {
namespace {

void Post(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
  PostMessageA(target, message, wParam, lParam);
  ui::DoEvents();
}

struct Watch {
  HANDLE done;
  int seconds;
  const char* what;
};

DWORD WINAPI WatchThread(LPVOID param) {
  auto* watch = static_cast<Watch*>(param);
  if (WaitForSingleObject(watch->done, DWORD(watch->seconds) * 1000) == WAIT_TIMEOUT) {
    std::fprintf(stderr, "%s: no answer within %d s\n", watch->what, watch->seconds);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 1);
  }
  delete watch;
  return 0;
}

}  // namespace

void Press(UINT key) { Post(WM_KEYDOWN, key, 1); }

void Type(const std::string& text) {
  for (char c : text) Post(WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
}

void Alt(char letter) { Post(WM_SYSCHAR, WPARAM(CharLowerA(LPSTR(UINT_PTR(letter)))), 1 << 29); }

bool OnTheirDisplay() { return std::getenv("KEYS_DISPLAY") != nullptr; }

std::string FocusName() {
  HWND focus = GetFocus();
  if (!focus) return "(none)";
  if (ui::Control* control = ui::Control::FromHwnd(focus)) return control->FullName();
  return "(window)";
}

Deadline::Deadline(int seconds, const char* what) {
  done_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, WatchThread, new Watch{done_, seconds, what}, 0, nullptr);
}

Deadline::~Deadline() {
  SetEvent(done_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  CloseHandle(done_);
}

}  // namespace keys
