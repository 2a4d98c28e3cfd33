// The ping scheduler and one ping cycle, the buttons that start and stop pinging, and the tray
// animation they switch.
#include "keeper/GetIpMod.h"
#include "keeper/KeeperArt.h"
#include "keeper/TrayIcon.h"
#include "keeper/frmGetIp.h"
#include "keeper/frmMenu.h"
#include "keeper/ping2.h"

namespace {
constexpr int16_t PeriodOfItem[] = {1, 3, 6, 12};   // ticks of 10 s for "10", "30", "60", "120"
const char* const SocketsStartText =
    "Windows Sockets for 32 bit Windows "
    "environments is not successfully responding.";
}

void frmGetIp::SwitchTimer(ui::Timer& timer, bool enabled)
{
    if (timer.Enabled() != enabled)   // enabling a running timer must not restart its count
        timer.SetEnabled(enabled);
}

void frmGetIp::SetTrayImage(int image)
{
    trayImage_ = image;
    TraySetImage(hwnd(), ImageList1, image);
}

void frmGetIp::AddTrayIcon()
{
    TrayAdd(hwnd(), ImageList1, trayImage_);
}

void frmGetIp::ChartTimer_Timer()
{
    if (TickCounter % PingPeriod == 0)
        PingOnce();
    TickCounter = static_cast<int16_t>((TickCounter + 1) % PingPeriod);
}

void frmGetIp::PingOnce()
{
    ActivityIndex = static_cast<int16_t>((ActivityIndex + 1) % 3);
    if (SocketsInitialize()) {
        const std::string site = txtDomain.Text();
        PingReply reply{};
        PingAddress(GetIPFromHostName(site), std::string(56, '1'), reply);
        const unsigned long roundTrip = reply.Reply.RoundTripTime;
        if (roundTrip >= 1 && Check1.Value() == 0) {
            SwitchTimer(Timer1, true);
        } else {
            SwitchTimer(Timer1, false);
            SetTrayImage(KeeperArt::StaticImage);
        }
        StatusBar1.SetPanelText(1, "Ping Result for " + site + " :" + std::to_string(roundTrip) +
                                       " ms");
        for (int i = 0; i < ChartPoints - 1; ++i)
            ChartData[i] = ChartData[i + 1];
        ChartData[ChartPoints - 1] = ChartValue(roundTrip);
        SocketsCleanup();
    } else {
        ui::MsgBox(hwnd(), SocketsStartText, "Olandri", MB_OK);
    }
    ShowBackground();
    DrawChart();
}

void frmGetIp::SetPinging(bool pinging)
{
    SwitchTimer(ChartTimer, pinging);
    txtDomain.SetEnabled(!pinging);
    Combo1.SetEnabled(!pinging);
    cmdPing.SetEnabled(!pinging);
    Command1.SetEnabled(pinging);
    cmdResetActivity.SetEnabled(pinging);
    frmMenu& menu = MenuForm();
    if (!menu.Loaded())
        menu.Load();
    menu.mnuOpts[0].SetEnabled(!pinging);
    menu.mnuOpts[2].SetEnabled(!pinging);
}

void frmGetIp::cmdPing_Click()
{
    const int item = Combo1.ListIndex();
    if (item >= 0 && item < 4)
        PingPeriod = PeriodOfItem[item];
    SwitchTimer(Timer1, true);
    SetPinging(true);
}

void frmGetIp::Command1_Click()
{
    SwitchTimer(Timer1, false);
    SetTrayImage(KeeperArt::StaticImage);
    SwitchTimer(ChartTimer, false);
    ChartData.fill(0);
    ShowBackground();
    SetPinging(false);
    StatusBar1.SetPanelText(1, "");
}

void frmGetIp::Check1_Click()
{
    if (Check1.Value() == 1) {
        SetTrayImage(KeeperArt::StaticImage);
        AnimFrame = 1;
        SwitchTimer(Timer1, false);
    } else {
        SwitchTimer(Timer1, true);
    }
}

void frmGetIp::Timer1_Timer()
{
    AnimFrame = AnimFrame >= KeeperArt::TrayImageCount ? 1 : static_cast<int16_t>(AnimFrame + 1);
    SetTrayImage(AnimFrame);
}
