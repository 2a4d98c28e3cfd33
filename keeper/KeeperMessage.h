// The keeper's message boxes, all under the program's title.
#pragma once
#include <windows.h>

extern const char* const KeeperTitle;   // "Olandri"

using KeeperMessageProc = int (*)(const char* text, UINT flags);
// Shows text in a message box titled "Olandri"; tests put their own procedure in its place.
int KeeperMessage(const char* text, UINT flags);
KeeperMessageProc SetKeeperMessageProc(KeeperMessageProc proc);
