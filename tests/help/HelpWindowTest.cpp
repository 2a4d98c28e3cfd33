// Opens the built trasko.chm through HTML Help, as the programs do, and checks that a help window
// comes up for every topic, the contents and the index, and that a missing file opens nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using HtmlHelpProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT kDisplayTopic = 0, kDisplayToc = 1, kDisplayIndex = 2, kCloseAll = 0x12;

HtmlHelpProc HtmlHelp()
{
    static HtmlHelpProc proc = [] {
        HMODULE module = LoadLibraryA("hhctrl.ocx");
        return module ? reinterpret_cast<HtmlHelpProc>(reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpA"))) : nullptr;
    }();
    return proc;
}

// The test programs live in <build>/tests-bin, the help file in <build>/bin.
std::string BuiltHelpFile()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\'));
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "bin\\trasko.chm";
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class HelpWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(HtmlHelp(), nullptr) << "hhctrl.ocx has no HtmlHelpA";
        ASSERT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << file << " was not built";
    }
    void TearDown() override
    {
        if (HtmlHelp())
            HtmlHelp()(nullptr, nullptr, kCloseAll, 0);
        PumpMessages();
    }
    void ExpectHelpWindow(HWND window, const char* what)
    {
        ASSERT_NE(window, nullptr) << what << " opened no window";
        EXPECT_EQ(ClassOf(window), "HH Parent") << what;
        EXPECT_TRUE(IsWindowVisible(window)) << what;
    }
    std::string file = BuiltHelpFile();
};

TEST_F(HelpWindow, EveryTopicOpens)
{
    for (const char* topic : {"automatic.htm", "custom.htm", "launcher.htm", "backup.htm", "restore.htm", "ping.htm"}) {
        HWND window = HtmlHelp()(nullptr, file.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>(topic));
        ExpectHelpWindow(window, topic);
        PumpMessages();
    }
}

TEST_F(HelpWindow, ContentsAndIndexOpen)
{
    ExpectHelpWindow(HtmlHelp()(nullptr, file.c_str(), kDisplayToc, 0), "contents");
    PumpMessages();
    ExpectHelpWindow(HtmlHelp()(nullptr, file.c_str(), kDisplayIndex, 0), "index");
}

TEST_F(HelpWindow, OwnedTopicOpensForAnOwnerWindow)
{
    HWND owner = CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    HWND window = HtmlHelp()(owner, file.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>("ping.htm"));
    ExpectHelpWindow(window, "ping.htm with an owner");
    HtmlHelp()(nullptr, nullptr, kCloseAll, 0);
    DestroyWindow(owner);
}

TEST_F(HelpWindow, MissingFileOpensNothing)
{
    std::string missing = file.substr(0, file.size() - 10) + "no-such-help.chm";
    EXPECT_EQ(HtmlHelp()(nullptr, missing.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>("automatic.htm")), nullptr);
    EXPECT_EQ(HtmlHelp()(nullptr, missing.c_str(), kDisplayToc, 0), nullptr);
    EXPECT_EQ(HtmlHelp()(nullptr, missing.c_str(), kDisplayIndex, 0), nullptr);
}

} // namespace
