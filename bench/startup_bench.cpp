// Times a program from CreateProcess to its first visible top-level window with an idle message
// loop, then closes it. Prints one line per run: "<milliseconds> <width> <height>".
#include <windows.h>
#include <cstdio>
#include <string>

struct Found { DWORD pid; HWND window; };

static BOOL CALLBACK FindVisible(HWND w, LPARAM lp) {
  auto* found = reinterpret_cast<Found*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == found->pid && IsWindowVisible(w) && !GetWindow(w, GW_OWNER)) {
    found->window = w;
    return FALSE;
  }
  return TRUE;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_bench <program> [arguments]\n");
    return 2;
  }
  std::string command = std::string("\"") + argv[1] + "\"";
  for (int i = 2; i < argc; ++i) command += std::string(" ") + argv[i];
  LARGE_INTEGER freq, start, now;
  QueryPerformanceFrequency(&freq);
  STARTUPINFOA si{};
    si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "cannot start %s\n", argv[1]);
    return 1;
  }
  Found found{pi.dwProcessId, nullptr};
  for (int tries = 0; !found.window && tries < 20000; ++tries) {
    WaitForInputIdle(pi.hProcess, 10);
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&found));
    if (!found.window) Sleep(1);
  }
  WaitForInputIdle(pi.hProcess, 5000);
  QueryPerformanceCounter(&now);
  double ms = 1000.0 * double(now.QuadPart - start.QuadPart) / double(freq.QuadPart);
  RECT r{};
  if (found.window) GetWindowRect(found.window, &r);
  std::printf("%.1f %ld %ld\n", ms, r.right - r.left, r.bottom - r.top);
  if (found.window) PostMessageA(found.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return found.window ? 0 : 1;
}
