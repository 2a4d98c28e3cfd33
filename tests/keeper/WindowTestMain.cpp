// main() of the keeper's window tests. Wine starts a desktop process for the first window of a
// prefix; when a test program starts while the previous one is shutting down, that start can fail
// and no window can be made for the rest of the process. Such a run is started afresh.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {
bool CanMakeWindows()
{
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    if (!probe)
        return false;
    DestroyWindow(probe);
    return true;
}

int RunAgain()
{
    Sleep(3000);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = GetCommandLineA();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
}

int main(int argc, char** argv)
{
    if (!CanMakeWindows()) {
        const char* tries = std::getenv("KEEPER_TEST_TRIES");
        const int done = tries ? std::atoi(tries) : 0;
        if (done < 3) {
            SetEnvironmentVariableA("KEEPER_TEST_TRIES", std::to_string(done + 1).c_str());
            return RunAgain();
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
