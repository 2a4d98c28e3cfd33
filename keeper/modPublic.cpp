#include "keeper/modPublic.h"

#include "keeper/TrayIcon.h"
#include "keeper/frmGetIp.h"
#include "keeper/frmMenu.h"

HWND HookedWindow = nullptr;
WNDPROC OldWindowProc = nullptr;

namespace {
constexpr LPARAM TrayDoubleClick = WM_LBUTTONDBLCLK;   // 0x203
constexpr LPARAM TrayRightButton = WM_RBUTTONDOWN;     // 0x204
}

void Hook()
{
    OldWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(HookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
}

void Unhook()
{
    if (OldWindowProc)
        SetWindowLongPtrA(HookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldWindowProc));
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Explorer sends this to every top-level window when it makes the taskbar anew, after a
    // restart or a crash: the icons that were there are gone.
    static const UINT TaskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    frmGetIp& main = GetIpForm();
    if (window == main.hwnd() && TaskbarCreated && message == TaskbarCreated) {
        main.AddTrayIcon();
        return 0;
    }
    if (window == main.hwnd() && message == TrayCallbackMessage) {
        if (lParam == TrayDoubleClick) {
            main.SetWindowState(0);
            main.Show();
            return 0;
        }
        if (lParam == TrayRightButton) {
            ShowTrayMenu();
            return 0;
        }
    }
    return CallWindowProcA(OldWindowProc, window, message, wParam, lParam);
}

void ShowTrayMenu()
{
    frmMenu& menu = MenuForm();
    if (!menu.Loaded())
        menu.Load();
    HMENU options = GetSubMenu(GetMenu(menu.hwnd()), 0);
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar)
        return;
    RECT place;
    GetWindowRect(taskbar, &place);
    SetMenuDefaultItem(options, 0, TRUE);
    // The menu closes when the user clicks elsewhere only if its owner is in the foreground.
    SetForegroundWindow(menu.hwnd());
    TrackPopupMenu(options, TPM_RIGHTALIGN, place.right, place.bottom, 0, menu.hwnd(), nullptr);
    PostMessageA(menu.hwnd(), WM_NULL, 0, 0);
    // Keys would go on to the hidden menu window; the keeper's window, when in view, takes them.
    frmGetIp& main = GetIpForm();
    if (main.Loaded() && IsWindowVisible(main.hwnd()) && !IsIconic(main.hwnd()))
        SetForegroundWindow(main.hwnd());
}
