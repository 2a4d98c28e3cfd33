// Opens the built trasko.chm through HTML Help, as the programs do, and checks that a help window
// comes up for every topic, the contents and the index, and that a missing file opens nothing.
#include <windows.h>

#include "tests/help/HelpWindows.h"

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

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
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
        helptest::PumpMessages();
    }
    void ExpectHelpWindow(HWND window, const char* what)
    {
        ASSERT_NE(window, nullptr) << what << " opened no window";
        EXPECT_EQ(ClassOf(window), "HH Parent") << what;
        EXPECT_TRUE(IsWindowVisible(window)) << what;
        char caption[128] = {};
        GetWindowTextA(window, caption, sizeof caption);
        EXPECT_STREQ(caption, "Brenvik and Olandri Help") << what;
    }
    std::string file = helptest::BuiltHelpFile();
};

TEST_F(HelpWindow, EveryTopicOpens)
{
    for (const char* topic : {"automatic.htm", "custom.htm", "launcher.htm", "backup.htm", "restore.htm", "ping.htm"}) {
        HWND window = HtmlHelp()(nullptr, file.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>(topic));
        ExpectHelpWindow(window, topic);
        helptest::PumpMessages();
    }
}

TEST_F(HelpWindow, ContentsAndIndexOpen)
{
    ExpectHelpWindow(HtmlHelp()(nullptr, file.c_str(), kDisplayToc, 0), "contents");
    helptest::PumpMessages();
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
    std::string missing = helptest::MissingHelpFile();
    EXPECT_EQ(HtmlHelp()(nullptr, missing.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>("automatic.htm")), nullptr);
    EXPECT_EQ(HtmlHelp()(nullptr, missing.c_str(), kDisplayToc, 0), nullptr);
    EXPECT_EQ(HtmlHelp()(nullptr, missing.c_str(), kDisplayIndex, 0), nullptr);
}

} // namespace
