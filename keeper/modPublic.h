// Puts the keeper's own window procedure in front of frmGetIp's to receive the tray icon's
// callback message, and shows the tray popup menu.
#pragma once
#include <windows.h>

extern HWND HookedWindow;
extern WNDPROC OldWindowProc;

void Hook();
void Unhook();
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void ShowTrayMenu();
