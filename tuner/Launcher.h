// Everything brenvik starts outside itself: programs by their command line, documents through the
// shell, and the restart of Windows. The program makes the real calls; tests replace them with
// recorders (SetLaunchCalls), so they can see what would be started without starting it.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

struct ShellOpenCall {
  HWND owner;
  std::string verb, document;
  std::optional<std::string> parameters, folder;  // nullopt: passed as no text at all
  int show;
};

struct LaunchCalls {
  // Starts a program by its command line (or its file's path) in a normal window that takes the
  // focus; no wait.
  std::function<bool(const std::string& commandLine)> startProgram;
  std::function<void(const ShellOpenCall&)> shellOpen;  // ShellExecuteA
  std::function<void(UINT flags, DWORD reserved)> exitWindows;  // ExitWindowsEx
};
// Members left empty make the real calls; SetLaunchCalls({}) restores all of them.
void SetLaunchCalls(LaunchCalls calls);

// Return whether the program was started. A program file is started by its path alone, so a
// folder with blanks in its name cannot be mistaken for a shorter program path.
bool StartProgram(const std::string& commandLine);
bool StartProgramFile(const std::string& path);
// A null parameters or folder is passed on as no text, an empty one as empty text.
void ShellOpen(HWND owner, const char* verb, const std::string& document, const char* parameters,
               const char* folder, int show);

// Gives the process the right to shut Windows down; no step's result is examined.
void EnableShutdownPrivilege();
// Restarts Windows at once, without a question.
void RestartWindows();
