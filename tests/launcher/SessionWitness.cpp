// A bystander program for the restart test: it keeps a window open and writes to the log file
// named by its argument what the end of the Windows session tells it.
#include <windows.h>

#include <string>

namespace {

std::string logPath;

void Log(const char* line) {
  HANDLE file = CreateFileA(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line, lstrlenA(line), &written, nullptr);
  WriteFile(file, "\n", 1, &written, nullptr);
  CloseHandle(file);
}

LRESULT CALLBACK WitnessProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION:
      Log("WM_QUERYENDSESSION");
      return TRUE;
    case WM_ENDSESSION:
      Log(wParam ? "WM_ENDSESSION ending" : "WM_ENDSESSION cancelled");
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  logPath = commandLine;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WitnessProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "SessionWitness";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("SessionWitness", "Session witness", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                              100, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  Log("ready");
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  Log("closed");
  return 0;
}
