// Process-wide services of the window layer: the message loop, the program's folder, the help
// file and message boxes. Message boxes and help calls pass through hooks, so tests can see them
// without windows of other programs appearing.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

namespace ui {

// Runs the message loop until the last form is unloaded; returns the exit code.
int RunMessageLoop();
// Whether unloading the last loaded form ends the message loop (the programs' main sets it).
void SetQuitWhenLastFormUnloads(bool quit);
class Form;
void FormLoaded(Form* form);
void FormUnloaded(Form* form);
// Windows ends the session: every loaded form is unloaded as its close does, the last loaded
// first, and no message box is shown meanwhile.
void EndSession();
// Handles the messages waiting in the queue, then returns.
void DoEvents();
// Hands one message on as the message loops do: keys go through the dialog manager of the active
// form (unless it is minimised), after the form has moved its focus off any control that can no
// longer take it.
void RouteMessage(HWND active, MSG& message);

std::string ProgramFolder();  // without a trailing backslash

void SetHelpFile(const std::string& path);
const std::string& HelpFile();

constexpr UINT HH_DISPLAY_TOPIC_ = 0, HH_DISPLAY_TOC_ = 1, HH_DISPLAY_INDEX_ = 2;
// HtmlHelpA through hhctrl.ocx, bound when first called. A missing help file does nothing.
void HtmlHelp(HWND owner, const std::string& file, UINT command, const char* topic);
using HelpHook = std::function<void(HWND owner, const std::string& file, UINT command,
                                    const std::string& topic)>;
void SetHelpHook(HelpHook hook);  // an empty hook restores the real call

// Boxes come one at a time: a box asked for while another is open (from a timer, say) waits until
// that one is closed, and its caller goes on at once with IDOK; a message already open or waiting
// is not added again.
int MsgBox(HWND owner, const std::string& text, const std::string& title, UINT style);
using MsgBoxHook = std::function<int(HWND owner, const std::string& text,
                                     const std::string& title, UINT style)>;
void SetMsgBoxHook(MsgBoxHook hook);

// Loads comctl32's classes once.
void InitCommonControls();

}  // namespace ui
