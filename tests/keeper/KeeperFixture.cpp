#include "KeeperFixture.h"

#include "settings/RegFunctions.h"
#include "ui/App.h"

std::vector<TrayCall>& TrayCalls()
{
    static std::vector<TrayCall> calls;
    return calls;
}

std::vector<std::string>& Messages()
{
    static std::vector<std::string> messages;
    return messages;
}

std::vector<std::string>& HelpCalls()
{
    static std::vector<std::string> calls;
    return calls;
}

namespace {
BOOL RecordTray(DWORD command, NOTIFYICONDATAA* record, int image)
{
    const BOOL result = Shell_NotifyIconA(command, record);
    TrayCalls().push_back({command, *record, image, result});
    return result;
}
}

void ClearKeeperSettings()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, KeeperSettingsKey);
    DeleteRegValue(HKEY_LOCAL_MACHINE, AutostartKey, AutostartValue);
}

std::string KeeperSetting(const char* name)
{
    return GetRegString(HKEY_LOCAL_MACHINE, KeeperSettingsKey, name, "");
}

bool AutostartPresent()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, AutostartKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const bool present = RegQueryValueExA(key, AutostartValue, nullptr, nullptr, nullptr,
                                          nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return present;
}

std::string AutostartData()
{
    return GetRegString(HKEY_LOCAL_MACHINE, AutostartKey, AutostartValue, "");
}

void Pump(int ms)
{
    const DWORD end = GetTickCount() + ms;
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (ms > 0)
            Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

int LastTrayImage()
{
    for (auto it = TrayCalls().rbegin(); it != TrayCalls().rend(); ++it)
        if (it->command != NIM_DELETE)
            return it->image;
    return 0;
}

void KeeperWindow::SetUp()
{
    ClearKeeperSettings();
    TrayCalls().clear();
    Messages().clear();
    HelpCalls().clear();
    SetTrayCallProc(RecordTray);
    ui::SetMsgBoxHook([](HWND, const std::string& text, const std::string& title, UINT style) {
        Messages().push_back(title + "|" + text + "|" + std::to_string(style));
        return IDOK;
    });
    ui::SetHelpHook([this](HWND owner, const std::string& file, UINT command,
                           const std::string& topic) {
        const char* who = owner == form.hwnd() ? "main" : owner == menu.hwnd() ? "menu" : "other";
        HelpCalls().push_back(std::string(who) + "|" + file + "|" + std::to_string(command) + "|" +
                              topic);
    });
}

void KeeperWindow::Start()
{
    SetLastError(0);
    form.Load();
    ASSERT_TRUE(form.Loaded()) << "the keeper's window was not made, error " << GetLastError();
    if (!form.StartsHidden())
        form.Show();
    Pump();
}

void KeeperWindow::TearDown()
{
    form.Unload();
    menu.Unload();
    Pump();
    SetTrayCallProc(nullptr);
    ui::SetMsgBoxHook(nullptr);
    ui::SetHelpHook(nullptr);
    ClearKeeperSettings();
}
