// Keys as the keyboard gives them: posted to the window with the focus (to the active window when
// none has it) and handed on by the program's own message loop, through the dialog manager.
#pragma once
#include <windows.h>

#include <string>

namespace keys {

void Press(UINT key);             // WM_KEYDOWN: VK_TAB, VK_RETURN, VK_ESCAPE, VK_DOWN ...
void Type(const std::string& text);  // WM_CHAR, one per character
void Alt(char letter);            // WM_SYSCHAR: Alt and a letter

// Whether the test runs on the keyboard's display of its own (KEYS_DISPLAY is set). Elsewhere the
// windows of other tests take the activation, and with it the focus, away at any moment: the tests
// of the focus skip themselves there.
bool OnTheirDisplay();

// The name of the control with the focus ("Combo7"); "(window)" when a form has it itself and
// "(none)" when no window of the thread has it.
std::string FocusName();

// Ends the whole test program, failing, when it is still alive after the given time: for a case
// whose fault is a message loop that never returns.
class Deadline {
 public:
  Deadline(int seconds, const char* what);
  ~Deadline();

 private:
  HANDLE done_, thread_;
};

}  // namespace keys
