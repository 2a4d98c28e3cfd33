// Start-up and exit of the keeper: its place and start options, and the autostart entry.
#include "KeeperFixture.h"

#include "settings/RegFunctions.h"
#include "ui/App.h"
#include "ui/Twips.h"
#include "tests/support/WorkAreaPlaces.h"
#include "ui/Monitors.h"

namespace {
void Store(const char* name, const std::string& text)
{
    SetRegString(HKEY_LOCAL_MACHINE, KeeperSettingsKey, name, text);
}

void StoreNumber(const char* name, int32_t value)
{
    SetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, name, value);
}

// The program as built, <build>\bin\olandri.exe, seen from the tests' folder <build>\tests-bin.
std::string BuiltKeeper()
{
    const std::string tests = ui::ProgramFolder();
    return tests.substr(0, tests.find_last_of('\\')) + "\\bin\\olandri.exe";
}

struct KeeperOf {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindKeeperWindow(HWND window, LPARAM search)
{
    KeeperOf& keeper = *reinterpret_cast<KeeperOf*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char caption[32] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (process != keeper.process || std::string(caption) != "Olandri")
        return TRUE;
    keeper.window = window;
    return FALSE;
}

// Runs a copy of the program from folder and closes its window as a user does; false when the
// copy did not start or did not end.
bool RunCopyUntilClosed(const std::string& folder)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string program = folder + "\\olandri.exe";
    if (!CopyFileA(BuiltKeeper().c_str(), program.c_str(), FALSE))
        return false;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    std::string line = "\"" + program + "\"";
    if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &child))
        return false;
    KeeperOf keeper{child.dwProcessId, nullptr};
    for (int tries = 0; !keeper.window && tries < 600; ++tries) {
        EnumWindows(FindKeeperWindow, reinterpret_cast<LPARAM>(&keeper));
        if (!keeper.window)
            Sleep(100);
    }
    if (keeper.window)
        PostMessageA(keeper.window, WM_CLOSE, 0, 0);
    const bool ended =
        keeper.window && WaitForSingleObject(child.hProcess, 60000) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, 10000);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    DeleteFileA(program.c_str());
    RemoveDirectoryA(folder.c_str());
    return ended;
}

class KeeperStart : public KeeperWindow {
protected:
    // Windows ends the session as at log-off: it asks, then tells, each top-level window in an
    // order of its own, the hidden menu window among them.
    void EndSession(HWND first)
    {
        EXPECT_EQ(TRUE, SendMessageA(first, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
        SendMessageA(first, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    }
    // Where a window without a stored place opens: centred on the screen.
    void ExpectCentred()
    {
        RECT place;
        GetWindowRect(form.hwnd(), &place);
        const int width = place.right - place.left, height = place.bottom - place.top;
        EXPECT_NEAR((GetSystemMetrics(SM_CXSCREEN) - width) / 2, place.left, 1);
        EXPECT_NEAR((GetSystemMetrics(SM_CYSCREEN) - height) / 2, place.top, 1);
    }
    int Adds()
    {
        int adds = 0;
        for (const TrayCall& call : TrayCalls())
            adds += call.command == NIM_ADD;
        return adds;
    }
};
}

TEST_F(KeeperStart, FirstStartIsCentredWithBothOptionsOff)
{
    Start();
    ExpectCentred();
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(0, form.Check2.Value());
    EXPECT_EQ(0, form.Check3.Value());
    EXPECT_EQ(1, Adds());
    EXPECT_EQ(DefaultSite, form.txtDomain.Text());
    EXPECT_EQ(ui::ProgramFolder() + "\\trasko.chm", ui::HelpFile());
}

TEST_F(KeeperStart, StoredPlaceAndOptionsApplyOnlyWhenLoadedIsYes)
{
    struct Case {
        const char* loaded;   // nullptr: no value
        bool applied;
    } cases[] = {{"Yes", true}, {"yes", false}, {"YES", false}, {"", false}, {nullptr, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.loaded ? c.loaded : "(none)");
        ClearKeeperSettings();
        if (c.loaded)
            Store("Loaded", c.loaded);
        StoreNumber("Left", 1500);
        StoreNumber("Top", 900);
        Store("WinStart", "1");
        Store("Minimized", "0");
        Start();
        if (c.applied) {
            EXPECT_EQ(1500, form.Left());
            EXPECT_EQ(900, form.Top());
        } else {
            ExpectCentred();
        }
        EXPECT_EQ(c.applied ? 1 : 0, form.Check2.Value());
        EXPECT_EQ(0, form.Check3.Value());
        EXPECT_TRUE(IsWindowVisible(form.hwnd()));
        form.Unload();
        menu.Unload();
    }
}

TEST_F(KeeperStart, MinimizedStartNeverShowsTheWindow)
{
    Store("Loaded", "Yes");
    Store("Minimized", "1");
    Start();
    Pump(200);
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(1, form.Check3.Value());
    EXPECT_EQ(1, Adds());
    EXPECT_TRUE(form.ChartTimer.Enabled());
    SendMessageA(form.hwnd(), TrayCallbackMessage, TrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_FALSE(IsIconic(form.hwnd()));
}

TEST_F(KeeperStart, AnEdgeStoredAsTextKeepsTheCentredEdge)
{
    Store("Loaded", "Yes");
    Store("Left", "300");
    StoreNumber("Top", 600);
    Start();
    RECT place;
    GetWindowRect(form.hwnd(), &place);
    EXPECT_NEAR((GetSystemMetrics(SM_CXSCREEN) - (place.right - place.left)) / 2, place.left, 1);
    EXPECT_EQ(600, form.Top());
}

TEST_F(KeeperStart, MinimisedSavesTheNormalPlaceAndAPlaceOffTheScreenKeepsTheCentredOne)
{
    Start();
    const int width = form.Width(), height = form.Height();
    form.Move(2400, 1200);
    SendMessageA(form.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_FALSE(IsWindowVisible(form.hwnd()));
    menu.mnuOpts_Click(7);
    ASSERT_FALSE(form.Loaded());
    EXPECT_EQ(2400, GetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Left", -1));
    EXPECT_EQ(1200, GetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Top", -1));

    for (const SavedPlace& c : PlacesAroundWorkArea(width, height, 2400, 1200)) {
        SCOPED_TRACE(c.where);
        Store("Loaded", "Yes");
        StoreNumber("Left", c.left);
        StoreNumber("Top", c.top);
        Start();
        if (c.used) {
            EXPECT_EQ(c.left, form.Left());
            EXPECT_EQ(c.top, form.Top());
        } else {
            ExpectCentred();
        }
        form.Unload();
        menu.Unload();
    }
}

// Runs in the two-monitor session only.
TEST_F(KeeperStart, PlacesOnEveryMonitor)
{
    if (!OnTwoMonitors())
        GTEST_SKIP() << "needs the display of two monitors";
    const int tx = ui::TwipsPerPixelX(), ty = ui::TwipsPerPixelY();
    for (POINT at : {POINT{1000, 100}, POINT{100, 200}}) {
        SCOPED_TRACE(at.x);
        Start();
        form.Move(at.x * tx, at.y * ty);
        SendMessageA(form.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        menu.mnuOpts_Click(7);
        EXPECT_EQ(at.x * tx, GetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Left", -1));
        EXPECT_EQ(at.y * ty, GetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Top", -1));
    }

    Start();
    const int height = form.Height();
    form.Unload();
    menu.Unload();
    const ui::MonitorCalls bound = ui::BoundMonitorCalls();
    for (bool missing : {false, true}) {
        ui::BoundMonitorCalls() = missing ? ui::MonitorCalls{} : bound;
        for (const MonitorPlace& c : PlacesOnTwoMonitors(height)) {
            SCOPED_TRACE(std::string(c.where) + (missing ? ", no monitor calls" : ""));
            Store("Loaded", "Yes");
            StoreNumber("Left", c.left * tx);
            StoreNumber("Top", c.top * ty);
            Start();
            if (missing ? c.usedOnPrimary : c.used) {
                EXPECT_EQ(c.left * tx, form.Left());
                EXPECT_EQ(c.top * ty, form.Top());
            } else {
                ExpectCentred();
            }
            form.Unload();
            menu.Unload();
        }
    }
    ui::BoundMonitorCalls() = bound;
}

TEST_F(KeeperStart, EveryExitSavesPlaceOptionsAndAutostart)
{
    const std::string autostart = ui::ProgramFolder() + "\\olandri.exe";
    struct Case {
        const char* how;
        int runAtStart, startMinimized;
        bool entryBefore;
    } cases[] = {
        {"Exit", 1, 0, false},   {"Exit", 0, 1, true},  {"Exit", 0, 0, false},
        {"Close", 1, 1, false},  {"Close", 0, 0, true}, {"close box", 1, 0, true},
        {"close box", 0, 0, false}, {"session end", 1, 1, false},
        {"session end at menu", 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " " + std::to_string(c.runAtStart) +
                     std::to_string(c.startMinimized) + (c.entryBefore ? " with entry" : ""));
        ClearKeeperSettings();
        if (c.entryBefore)
            SetRegString(HKEY_LOCAL_MACHINE, AutostartKey, AutostartValue, "C:\\old\\olandri.exe");
        Start();
        form.Move(2400, 1200);
        form.Check2.SetValue(c.runAtStart);
        form.Check3.SetValue(c.startMinimized);
        const int left = form.Left(), top = form.Top();
        TrayCalls().clear();
        if (std::string(c.how) == "Exit")
            form.cmdExit_Click();
        else if (std::string(c.how) == "Close")
            menu.mnuOpts_Click(7);
        else if (std::string(c.how) == "close box")
            SendMessageA(form.hwnd(), WM_CLOSE, 0, 0);
        else
            EndSession(std::string(c.how) == "session end" ? form.hwnd() : menu.hwnd());
        EXPECT_FALSE(form.Loaded());
        EXPECT_FALSE(menu.Loaded());
        EXPECT_EQ("Yes", KeeperSetting("Loaded"));
        EXPECT_EQ(left, GetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Left", -1));
        EXPECT_EQ(top, GetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Top", -1));
        EXPECT_EQ(std::to_string(c.runAtStart), KeeperSetting("WinStart"));
        EXPECT_EQ(std::to_string(c.startMinimized), KeeperSetting("Minimized"));
        EXPECT_EQ(c.runAtStart == 1, AutostartPresent());
        if (c.runAtStart) {
            EXPECT_EQ(autostart, AutostartData());
        }
        ASSERT_FALSE(TrayCalls().empty());
        EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), TrayCalls().back().command);
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(KeeperStart, AutostartEntryIsQuotedWhenTheProgramsFolderHasABlank)
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string base = temp;
    ASSERT_EQ(std::string::npos, base.find(' ')) << base;
    const struct Case {
        std::string folder, entry;
    } cases[] = {
        {base + "olandri-autostart", base + "olandri-autostart\\olandri.exe"},
        {base + "olandri autostart", "\"" + base + "olandri autostart\\olandri.exe\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        ClearKeeperSettings();
        Store("Loaded", "Yes");
        Store("WinStart", "1");
        Store("Minimized", "1");
        ASSERT_TRUE(RunCopyUntilClosed(c.folder));
        EXPECT_EQ(c.entry, AutostartData());
    }
}

TEST_F(KeeperStart, WinStartWithoutLoadedDeletesTheEntryAtExit)
{
    Store("WinStart", "1");
    SetRegString(HKEY_LOCAL_MACHINE, AutostartKey, AutostartValue, "C:\\old\\olandri.exe");
    Start();
    EXPECT_EQ(0, form.Check2.Value());
    form.cmdExit_Click();
    EXPECT_FALSE(AutostartPresent());
    EXPECT_EQ("0", KeeperSetting("WinStart"));
}

TEST_F(KeeperStart, NextStartPingsEveryTenSecondsAgain)
{
    Start();
    form.Command1_Click();
    form.Combo1.SetListIndex(3);
    form.txtDomain.SetText("10.1.1.1");
    form.cmdPing_Click();
    form.cmdExit_Click();
    Start();
    EXPECT_EQ(0, form.Combo1.ListIndex());
    EXPECT_EQ(1, form.PingPeriod);
    EXPECT_EQ(DefaultSite, form.txtDomain.Text());
    EXPECT_EQ(0, form.Check1.Value());
}

TEST_F(KeeperStart, HelpOpensThePingTopic)
{
    Start();
    form.Command2_Click();
    menu.mnuOpts_Click(5);
    const std::string file = ui::ProgramFolder() + "\\trasko.chm";
    EXPECT_EQ((std::vector<std::string>{"main|" + file + "|0|ping.htm",
                                        "menu|" + file + "|0|ping.htm"}),
              HelpCalls());
}

TEST_F(KeeperStart, WindowButtonsAndTabOrder)
{
    Start();
    RECT client;
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(6105, ui::ToTwipsX(client.right));
    EXPECT_EQ(5025, ui::ToTwipsY(client.bottom));
    const LONG style = GetWindowLongA(form.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ("Olandri", form.Caption());

    // One column of buttons on the right, top to bottom.
    const ui::Button* column[] = {&form.cmdPing, &form.Command1, &form.cmdResetActivity,
                                  &form.Command2, &form.cmdExit};
    const char* captions[] = {"&Ping", "&Cancel Ping", "&Reset Activity", "&Help", "E&xit"};
    LONG lastTop = -1;
    for (int i = 0; i < 5; ++i) {
        RECT place;
        GetWindowRect(column[i]->hwnd(), &place);
        EXPECT_GT(place.top, lastTop) << captions[i];
        lastTop = place.top;
        EXPECT_EQ(captions[i], column[i]->Caption());
    }

    // Idle, every input takes part in the tab order.
    form.Command1_Click();
    const ui::Control* order[] = {&form.txtDomain, &form.Combo1,  &form.Check1,
                                  &form.Check2,    &form.Check3,  &form.cmdPing,
                                  &form.Command2,  &form.cmdExit, &form.txtDomain};
    HWND at = form.txtDomain.hwnd();
    for (int i = 1; i < 9; ++i) {
        at = GetNextDlgTabItem(form.hwnd(), at, FALSE);
        const ui::Control* got = ui::Control::FromHwnd(at);
        EXPECT_EQ(order[i]->hwnd(), at) << "after " << order[i - 1]->Name() << " came "
                                        << (got ? got->Name() : std::string("?"));
    }
}
