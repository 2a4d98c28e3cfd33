// The keeper's one visible window: the site, the interval and the start options, the ping
// buttons, the status line and the activity chart. All of the keeper's state lives here.
#pragma once
#include "keeper/Chart.h"
#include "ui/UI.h"

#include <cstdint>
#include <string>

class frmGetIp : public ui::Form {
public:
    frmGetIp();
    ~frmGetIp() override;

    int16_t PingPeriod = 1;      // scheduler ticks between two pings
    int16_t TickCounter = 0;     // ticks counted modulo PingPeriod
    int16_t ActivityIndex = 0;   // background of the chart now shown
    int16_t AnimFrame = 1;       // tray image now shown, 1 to 16
    std::string TipText;
    ChartSeries ChartData{};     // the last 90 round-trip times, index 89 the newest

    ui::Button Command2;
    ui::PictureBox Picture1[3];
    ui::Timer Timer1;
    HIMAGELIST ImageList1 = nullptr;
    ui::Button Command1;
    ui::Timer ChartTimer;
    ui::Button cmdExit;
    ui::Button cmdResetActivity;
    ui::StatusBar StatusBar1;
    ui::Frame Frame2;
    ui::PictureBox ChartPict;
    ui::Frame Frame1;
    ui::Frame Frame3;
    ui::CheckBox Check3;
    ui::CheckBox Check2;
    ui::CheckBox Check1;
    ui::ComboBox Combo1;
    ui::TextBox txtDomain;
    ui::Label Label3;
    ui::Label Label2;
    ui::Label Label1;
    ui::Button cmdPing;

    void Form_Load() override;
    void InitMain();
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;
    void cmdExit_Click();
    void Command2_Click();

    void ChartTimer_Timer();
    void PingOnce();
    void cmdPing_Click();
    void Command1_Click();
    void Check1_Click();

    void DrawChart();
    void cmdResetActivity_Click();

    void Timer1_Timer();
    void SetTrayImage(int image);
    // Adds the tray icon with the image it shows now: at start-up, and again whenever the taskbar
    // is made anew (Explorer restarted, or not yet there at start-up).
    void AddTrayIcon();

    // Whether InitMain restored "Start Minimized": the window is then never shown at start-up.
    bool StartsHidden() const { return startsHidden_; }

protected:
    void CreateControls() override;

private:
    void ShowBackground();   // the picture of ChartPict from Picture1(ActivityIndex)
    void SetPinging(bool pinging);
    void SwitchTimer(ui::Timer& timer, bool enabled);

    bool startsHidden_ = false;
    int trayImage_ = 1;   // the image the tray icon shows
};

// The keeper's window, made on first use.
frmGetIp& GetIpForm();

extern const char* const DefaultSite;        // the site the box holds at every start
extern const char* const KeeperSettingsKey;  // under HKEY_LOCAL_MACHINE
extern const char* const AutostartKey;
extern const char* const AutostartValue;     // "Olandri"
