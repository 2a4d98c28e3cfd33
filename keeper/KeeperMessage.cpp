#include "keeper/KeeperMessage.h"

const char* const KeeperTitle = "Olandri";

namespace {
int ShowBox(const char* text, UINT flags)
{
    return MessageBoxA(GetActiveWindow(), text, KeeperTitle, flags);
}

KeeperMessageProc CurrentProc = ShowBox;
}

int KeeperMessage(const char* text, UINT flags)
{
    return CurrentProc(text, flags);
}

KeeperMessageProc SetKeeperMessageProc(KeeperMessageProc proc)
{
    KeeperMessageProc old = CurrentProc;
    CurrentProc = proc ? proc : ShowBox;
    return old;
}
