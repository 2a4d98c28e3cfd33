// The keeper's icon in the notification area: its record, its images and the three operations.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

constexpr UINT TrayCallbackMessage = 0x201;
constexpr UINT TrayIconId = 1;
constexpr UINT TrayRecordSize = 88;   // the first, ANSI form of NOTIFYICONDATA
extern const char* const TrayTipText;   // "Tray Notification Demo"

// Makes the 16 tray images (32 x 32, 256 colours, transparent ground), images 1 to 16 at 0 to 15.
HIMAGELIST MakeTrayImages();
// The program icon, drawn at size x size pixels; the caller destroys it.
HICON MakeProgramIcon(int size);

// The record for one call: flags 7 with the callback message and tip when adding, 2 (icon only)
// when the image changes, 0 when removing.
NOTIFYICONDATAA TrayRecord(HWND window, UINT flags, HICON icon);

// Each is one call of Shell_NotifyIconA; image counts from 1. Results are not examined.
void TrayAdd(HWND window, HIMAGELIST images, int image);
void TraySetImage(HWND window, HIMAGELIST images, int image);
void TrayRemove(HWND window);

// Tests watch the calls through this; it receives the command, the record as sent and the image
// (0 when removing). The default passes the record to Shell_NotifyIconA.
using TrayCallProc = BOOL (*)(DWORD command, NOTIFYICONDATAA* record, int image);
TrayCallProc SetTrayCallProc(TrayCallProc proc);
