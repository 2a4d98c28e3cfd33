#include "tuner/Launcher.h"

#include <shellapi.h>

#include <vector>

namespace {

LaunchCalls& Calls() {
  static LaunchCalls calls;
  return calls;
}

bool RealStartProgram(const char* program, const std::string& commandLine) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void RealShellOpen(const ShellOpenCall& call) {
  ShellExecuteA(call.owner, call.verb.c_str(), call.document.c_str(),
                call.parameters ? call.parameters->c_str() : nullptr,
                call.folder ? call.folder->c_str() : nullptr, call.show);
}

}  // namespace

void SetLaunchCalls(LaunchCalls calls) { Calls() = std::move(calls); }

bool StartProgram(const std::string& commandLine) {
  if (Calls().startProgram) return Calls().startProgram(commandLine);
  return RealStartProgram(nullptr, commandLine);
}

bool StartProgramFile(const std::string& path) {
  if (Calls().startProgram) return Calls().startProgram(path);
  return RealStartProgram(path.c_str(), "\"" + path + "\"");
}

void ShellOpen(HWND owner, const char* verb, const std::string& document, const char* parameters,
               const char* folder, int show) {
  ShellOpenCall call{owner, verb, document, std::nullopt, std::nullopt, show};
  if (parameters) call.parameters = parameters;
  if (folder) call.folder = folder;
  if (Calls().shellOpen)
    Calls().shellOpen(call);
  else
    RealShellOpen(call);
}

// The previous-state buffer holds one privilege, 16 bytes.
static_assert(sizeof(TOKEN_PRIVILEGES) == 16, "one-entry privilege list");

void EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token);
  TOKEN_PRIVILEGES privileges = {};
  LookupPrivilegeValueA("", "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous = {};
  DWORD returned = 0;
  AdjustTokenPrivileges(token, FALSE, &privileges, sizeof previous, &previous, &returned);
  if (token) CloseHandle(token);
}

void RestartWindows() {
  EnableShutdownPrivilege();
  if (Calls().exitWindows)
    Calls().exitWindows(EWX_REBOOT, 0xFFFFFFFF);
  else
    ExitWindowsEx(EWX_REBOOT, 0xFFFFFFFF);
}
