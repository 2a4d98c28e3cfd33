// Runs olandri for a while pinging 127.0.0.1: prints "ready" once the site is set, waits the given
// seconds, prints "done" and ends olandri. The CPU time is read from outside, where Wine keeps it.
#include <windows.h>
#include <cstdio>
#include <string>

namespace {

struct Search { DWORD pid; HWND edit; };

BOOL CALLBACK FindEdit(HWND w, LPARAM lp) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, "Edit") == 0) {
        *reinterpret_cast<HWND*>(lp) = w;
        return FALSE;
    }
    return TRUE;
}

// The site box: the edit control of one of the keeper's top-level windows.
BOOL CALLBACK FindSiteBox(HWND w, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == s->pid) EnumChildWindows(w, FindEdit, reinterpret_cast<LPARAM>(&s->edit));
    return s->edit == nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: keeper_bench <olandri.exe> [seconds]\n");
        return 2;
    }
    int seconds = argc > 2 ? atoi(argv[2]) : 60;
    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    WaitForInputIdle(pi.hProcess, 10000);
    Search s{pi.dwProcessId, nullptr};
    for (int i = 0; i < 2000 && !s.edit; ++i) {
        EnumWindows(FindSiteBox, reinterpret_cast<LPARAM>(&s));
        if (!s.edit) Sleep(10);
    }
    HWND edit = s.edit;
    if (!edit) {
        std::fprintf(stderr, "no site box in olandri's window\n");
        TerminateProcess(pi.hProcess, 1);
        return 1;
    }
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("127.0.0.1"));
    std::printf("ready\n");
    std::fflush(stdout);
    Sleep(DWORD(seconds) * 1000);
    std::printf("done\n");
    std::fflush(stdout);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    return 0;
}
