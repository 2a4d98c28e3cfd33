// The tray icon under a real notification area: its records, the callback message through the
// keeper's window procedure, and the popup menu at the taskbar's corner.
#include "KeeperFixture.h"

#include "keeper/modPublic.h"
#include "tests/support/Keys.h"

#include <cstring>

namespace {
struct MenuSeen {
    bool shown = false;
    RECT place{};
    UINT states[8]{};
    UINT defaultItem = static_cast<UINT>(-1);
};
MenuSeen Seen;
HMENU Options = nullptr;

// Runs inside the menu's modal loop: looks at the open menu, then closes it.
void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND popup = FindWindowA("#32768", nullptr);
    if (popup && IsWindowVisible(popup)) {
        Seen.shown = true;
        GetWindowRect(popup, &Seen.place);
        for (int i = 0; i < 8; ++i)
            Seen.states[i] = GetMenuState(Options, i, MF_BYPOSITION);
        Seen.defaultItem = GetMenuDefaultItem(Options, TRUE, GMDI_USEDISABLED);
    }
    KillTimer(nullptr, id);
    EndMenu();
}

class Tray : public KeeperWindow {
protected:
    void SetUp() override
    {
        KeeperWindow::SetUp();
        Start();
        Options = GetSubMenu(GetMenu(menu.hwnd()), 0);
        Seen = MenuSeen{};
    }
    LRESULT Callback(LPARAM event)
    {
        return SendMessageA(form.hwnd(), TrayCallbackMessage, TrayIconId, event);
    }
    void RightClick()
    {
        SetTimer(nullptr, 0, 300, LookAtMenu);
        Callback(WM_RBUTTONDOWN);
        Pump(100);
    }
};
}

TEST_F(Tray, AddChangeAndRemoveReachTheNotificationArea)
{
    ASSERT_FALSE(TrayCalls().empty());
    const TrayCall& add = TrayCalls()[0];   // the animation may have moved on since
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), add.command);
    EXPECT_TRUE(add.result);
    EXPECT_EQ(88u, add.record.cbSize);
    EXPECT_EQ(form.hwnd(), add.record.hWnd);
    EXPECT_EQ(1u, add.record.uID);
    EXPECT_EQ(7u, add.record.uFlags);
    EXPECT_EQ(0x201u, add.record.uCallbackMessage);
    EXPECT_TRUE(add.record.hIcon);
    EXPECT_EQ(1, add.image);
    char tip[64];
    std::memset(tip, ' ', sizeof tip);
    std::memcpy(tip, "Tray Notification Demo", 23);
    EXPECT_EQ(0, std::memcmp(tip, add.record.szTip, sizeof tip));

    form.AnimFrame = 1;
    form.Timer1_Timer();
    const TrayCall& change = TrayCalls().back();
    EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), change.command);
    EXPECT_TRUE(change.result);
    EXPECT_EQ(2u, change.record.uFlags);
    EXPECT_EQ(0u, change.record.uCallbackMessage);
    EXPECT_EQ('\0', change.record.szTip[0]);
    EXPECT_EQ(2, change.image);

    form.cmdExit_Click();
    const TrayCall& remove = TrayCalls().back();
    EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), remove.command);
    EXPECT_TRUE(remove.result);
    EXPECT_EQ(0u, remove.record.uFlags);
    EXPECT_EQ(1u, remove.record.uID);
}

TEST_F(Tray, AnimationTimerRunsWhileMessagesAreHandled)
{
    TrayCalls().clear();
    Pump(700);
    EXPECT_GE(TrayCalls().size(), 3u);
    for (const TrayCall& call : TrayCalls())
        EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), call.command);
}

TEST_F(Tray, DoubleClickRestoresTheHiddenWindow)
{
    form.SetWindowState(1);
    Pump(100);
    ASSERT_FALSE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(0, Callback(WM_LBUTTONDBLCLK));
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_FALSE(IsIconic(form.hwnd()));
    Callback(WM_LBUTTONDBLCLK);   // already shown: stays shown and normal
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_FALSE(IsIconic(form.hwnd()));
}

TEST_F(Tray, RestoreFromTheMenuShowsTheWindow)
{
    form.SetWindowState(1);
    Pump(100);
    menu.mnuOpts_Click(4);
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_FALSE(IsIconic(form.hwnd()));
}

TEST_F(Tray, RightButtonOpensTheMenuAtTheTaskbarCorner)
{
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    RightClick();
    if (!taskbar) {
        EXPECT_FALSE(Seen.shown);   // without a taskbar there is no menu
        return;
    }
    ASSERT_TRUE(Seen.shown);
    RECT bar;
    GetWindowRect(taskbar, &bar);
    const LONG width = Seen.place.right - Seen.place.left;
    const LONG right = std::min<LONG>(bar.right, GetSystemMetrics(SM_CXSCREEN));
    const LONG bottom = std::min<LONG>(bar.bottom, GetSystemMetrics(SM_CYSCREEN));
    // Right-aligned at the corner, below it or above it, moved inside the screen when needed.
    EXPECT_EQ(std::max<LONG>(right, width), Seen.place.right);
    EXPECT_TRUE(Seen.place.top == bottom || Seen.place.bottom == bottom)
        << Seen.place.top << " " << Seen.place.bottom << " " << bottom;
    EXPECT_EQ(0u, Seen.defaultItem);
    EXPECT_TRUE(Seen.states[0] & MF_GRAYED);    // "&Ping" while pinging
    EXPECT_FALSE(Seen.states[1] & MF_GRAYED);   // "&Stop Ping"
    EXPECT_TRUE(Seen.states[2] & MF_GRAYED);    // "P&ing Interval"
    EXPECT_FALSE(Seen.states[7] & MF_GRAYED);   // "&Close"
}

TEST_F(Tray, OtherEventsAndMessagesGoToTheWindowsOwnProcedure)
{
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(WindowProc),
              GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC));
    SetTimer(nullptr, 0, 300, LookAtMenu);
    for (LPARAM event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP})
        Callback(event);
    // 0x204 in another message than the callback opens nothing.
    SendMessageA(form.hwnd(), WM_RBUTTONDOWN, 0, WM_RBUTTONDOWN);
    SendMessageA(form.hwnd(), WM_LBUTTONDBLCLK, 0, WM_LBUTTONDBLCLK);
    Pump(500);
    EXPECT_FALSE(Seen.shown);
    SendMessageA(form.hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Olandri test"));
    EXPECT_EQ("Olandri test", form.Caption());
}

TEST_F(Tray, MenuItemsAsWritten)
{
    const char* expected[] = {"&Ping", "&Stop Ping", "P&ing Interval", "", "&Restore",
                              "&Help", "", "&Close"};
    ASSERT_EQ(8, GetMenuItemCount(Options));
    for (int i = 0; i < 8; ++i) {
        char text[64] = "";
        GetMenuStringA(Options, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(expected[i], text) << i;
    }
    HMENU intervals = GetSubMenu(Options, 2);
    const char* times[] = {"10 seonds", "30 seconds", "60 seconds", "120 seconds"};
    ASSERT_EQ(4, GetMenuItemCount(intervals));
    for (int i = 0; i < 4; ++i) {
        char text[64] = "";
        GetMenuStringA(intervals, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(times[i], text) << i;
        EXPECT_FALSE(GetMenuState(intervals, i, MF_BYPOSITION) & MF_CHECKED);
    }
    EXPECT_EQ("Form1", menu.Caption());
    EXPECT_FALSE(IsWindowVisible(menu.hwnd()));
}

TEST_F(Tray, UnloadPutsTheOldProcedureBack)
{
    const WNDPROC hooked = OldWindowProc;
    ASSERT_TRUE(hooked);
    LONG_PTR during = 0;
    // Look at the window procedure as the window is destroyed, after the unload handler ran.
    struct Watch {
        static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam)
        {
            const auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
            if (code == HC_ACTION && message->message == WM_DESTROY &&
                message->hwnd == GetIpForm().hwnd())
                *Result() = GetWindowLongPtrA(message->hwnd, GWLP_WNDPROC);
            return CallNextHookEx(nullptr, code, wParam, lParam);
        }
        static LONG_PTR* Result()
        {
            static LONG_PTR value = 0;
            return &value;
        }
    };
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, Watch::Proc, nullptr, GetCurrentThreadId());
    form.cmdExit_Click();
    UnhookWindowsHookEx(hook);
    during = *Watch::Result();
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(hooked), during);
}

// Explorer, restarted, makes the taskbar anew without the icons that were there.
TEST_F(Tray, TheIconComesBackWhenTheTaskbarIsMadeAnew)
{
    form.Command1_Click();   // the static image
    TrayCalls().clear();
    SendMessageA(form.hwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    ASSERT_EQ(1u, TrayCalls().size());
    const TrayCall& add = TrayCalls()[0];
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), add.command);
    EXPECT_EQ(7u, add.record.uFlags);
    EXPECT_EQ(0x201u, add.record.uCallbackMessage);
    EXPECT_EQ(16, add.image);
    EXPECT_STREQ("Tray Notification Demo", add.record.szTip);
}

namespace {
class TrayKeys : public Tray {
protected:
    void SetUp() override
    {
        if (!keys::OnTheirDisplay())
            GTEST_SKIP() << "runs on the keyboard's display only";
        Tray::SetUp();
    }
    void Press(ui::Button& button) { SendMessageA(button.hwnd(), BM_CLICK, 0, 0); }
};
}

TEST_F(TrayKeys, TheFocusIsOnAControlThatCanTakeIt)
{
    EXPECT_EQ("Check1", keys::FocusName());   // the site and the interval wait while pinging
    Press(form.Command1);   // "&Cancel Ping" disables itself and "&Reset Activity"
    EXPECT_EQ("Command2", keys::FocusName());
    Press(form.cmdPing);
    EXPECT_EQ("Command1", keys::FocusName());

    SetFocus(form.Check2.hwnd());
    form.SetWindowState(1);
    Pump(100);
    Callback(WM_LBUTTONDBLCLK);
    EXPECT_EQ(form.hwnd(), GetActiveWindow());
    EXPECT_EQ("Check2", keys::FocusName());   // where the user left it

    RightClick();
    EXPECT_EQ(form.hwnd(), GetActiveWindow());   // keys go to the window, not the hidden menu's
}

