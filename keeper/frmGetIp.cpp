#include "keeper/frmGetIp.h"

#include "keeper/TrayIcon.h"
#include "keeper/frmMenu.h"
#include "keeper/modPublic.h"
#include "settings/RegFunctions.h"

const char* const DefaultSite = "www.quorvane.com";
const char* const KeeperSettingsKey = "SOFTWARE\\QuorvaneSoftware\\Olandri";
const char* const AutostartKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const AutostartValue = "Olandri";

namespace {
ui::FormArgs WindowArgs()
{
    ui::FormArgs args;
    args.caption = "Olandri";
    args.width = 6105;
    args.height = 5025;
    args.border = ui::BorderStyle::FixedSingle;
    args.minButton = true;
    args.maxButton = false;
    args.icon = MakeProgramIcon(32);
    return args;
}

std::string GetSetting(const char* name)
{
    return GetRegString(HKEY_LOCAL_MACHINE, KeeperSettingsKey, name, "");
}

void SetSetting(const char* name, const std::string& text)
{
    SetRegString(HKEY_LOCAL_MACHINE, KeeperSettingsKey, name, text);
}

// Windows runs the autostart entry as a command line: unquoted, a path with a blank such as
// "C:\Program Files\..." would first start "C:\Program.exe".
std::string AutostartCommand()
{
    const std::string path = ui::ProgramFolder() + "\\olandri.exe";
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}
}

frmGetIp::frmGetIp() : ui::Form(WindowArgs()) {}

frmGetIp::~frmGetIp()
{
    if (ImageList1)
        ImageList_Destroy(ImageList1);
}

frmGetIp& GetIpForm()
{
    static frmGetIp form;
    return form;
}

// Rows in tab order; the controls without a tab stop follow. Places in twips, inside the parent.
void frmGetIp::CreateControls()
{
    AddControls({
        {&Frame1, "Frame1", -1, "   Options   ", nullptr, 0, 0, 4455, 2940, {}, ui::Bold},
        {&txtDomain, "txtDomain", -1, DefaultSite, &Frame1, 810, 375, 3375, 285},
        {&Combo1, "Combo1", -1, "", &Frame1, 1380, 840, 615, 315},
        {&Frame3, "Frame3", -1, "", &Frame1, 120, 1200, 4215, 1530},
        {&Check1, "Check1", -1, "Disable Animation", &Frame3, 240, 315, 3660, 210,
         On(&frmGetIp::Check1_Click)},
        {&Check2, "Check2", -1, "Run when Windows starts.", &Frame3, 240, 720, 3660, 195},
        {&Check3, "Check3", -1, "Start Minimized", &Frame3, 240, 1080, 2295, 375},
        {&cmdPing, "cmdPing", -1, "&Ping", nullptr, 4725, 270, 1215, 375,
         On(&frmGetIp::cmdPing_Click)},
        {&Command1, "Command1", -1, "&Cancel Ping", nullptr, 4725, 810, 1215, 375,
         On(&frmGetIp::Command1_Click)},
        {&cmdResetActivity, "cmdResetActivity", -1, "&Reset Activity", nullptr, 4725, 1350, 1215,
         375, On(&frmGetIp::cmdResetActivity_Click)},
        {&Command2, "Command2", -1, "&Help", nullptr, 4725, 1890, 1215, 375,
         On(&frmGetIp::Command2_Click)},
        {&cmdExit, "cmdExit", -1, "E&xit", nullptr, 4725, 2430, 1215, 375,
         On(&frmGetIp::cmdExit_Click)},
        {&Label1, "Label1", -1, "Site:", &Frame1, 255, 360, 555, 255},
        {&Label2, "Label2", -1, "Ping Interval:", &Frame1, 285, 840, 975, 375},
        {&Label3, "Label3", -1, "seconds", &Frame1, 2160, 840, 705, 285},
        {&Frame2, "Frame2", -1, "   Ping Activity    ", nullptr, 0, 3015, 6090, 1620, {},
         ui::Bold},
        {&ChartPict, "ChartPict", -1, "", &Frame2, 315, 285, 5460, 1185, {},
         ui::Border3D | ui::Stretch},
        {&Picture1[0], "Picture1", 0, "", nullptr, 1080, 0, 1215, 495, {}, ui::Hidden},
        {&Picture1[1], "Picture1", 1, "", nullptr, 2400, 0, 1215, 495, {}, ui::Hidden},
        {&Picture1[2], "Picture1", 2, "", nullptr, 3720, 0, 1215, 495, {}, ui::Hidden},
        {&StatusBar1, "StatusBar1", -1, "", nullptr, 0, 4650, 6105, 375},
    });
    for (const char* item : {"10", "30", "60", "120"})
        Combo1.AddItem(item);
    StatusBar1.SetPanelAutoSize(1, ui::AutoSize::Spring);
    for (int i = 0; i < 3; ++i)
        Picture1[i].SetPicture(MakeChartBackground(i));
    ShowBackground();
    if (!ImageList1)
        ImageList1 = MakeTrayImages();
    AddTimer(Timer1, "Timer1", 100, true, [this] { Timer1_Timer(); });
    AddTimer(ChartTimer, "ChartTimer", 10000, false, [this] { ChartTimer_Timer(); });
}

void frmGetIp::Form_Load()
{
    PingPeriod = 1;
    TickCounter = 0;
    ui::SetHelpFile(ui::ProgramFolder() + "\\trasko.chm");
    Combo1.SetListIndex(0);
    InitMain();
}

void frmGetIp::InitMain()
{
    TipText = TrayTipText;
    AnimFrame = 1;
    ActivityIndex = 0;
    startsHidden_ = false;

    HookedWindow = hwnd();
    Hook();

    const std::string loaded = GetSetting("Loaded");
    const std::string winStart = GetSetting("WinStart");
    const std::string minimized = GetSetting("Minimized");
    if (loaded == "Yes") {
        const int left = GetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Left", Left());
        const int top = GetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Top", Top());
        // A place that would show nothing of the window keeps the centred one.
        if (ShowsInWorkArea(left, top))
            Move(left, top);
        if (winStart == "1")
            Check2.SetValue(1);
        if (minimized == "1") {
            // Minimised to the notification area: the window is simply never shown, which
            // spares the user a minimised window flashing up before it hides.
            Check3.SetValue(1);
            startsHidden_ = true;
        }
    }

    trayImage_ = AnimFrame;
    AddTrayIcon();
    ChartData.fill(0);
    cmdPing_Click();
}

void frmGetIp::Form_Resize()
{
    if (Minimized())
        Hide();
}

void frmGetIp::Form_Unload(int& cancel)
{
    (void)cancel;
    SetSetting("Loaded", "Yes");
    SetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Left", RestoredLeft());
    SetRegDword(HKEY_LOCAL_MACHINE, KeeperSettingsKey, "Top", RestoredTop());
    SetSetting("WinStart", std::to_string(Check2.Value()));
    SetSetting("Minimized", std::to_string(Check3.Value()));
    if (Check2.Value() == 1)
        SetRegString(HKEY_LOCAL_MACHINE, AutostartKey, AutostartValue, AutostartCommand());
    else
        DeleteRegValue(HKEY_LOCAL_MACHINE, AutostartKey, AutostartValue);
    MenuForm().Unload();
    TrayRemove(hwnd());
    Unhook();
}

void frmGetIp::cmdExit_Click()
{
    MenuForm().Unload();
    Unload();
}

void frmGetIp::Command2_Click()
{
    ui::HtmlHelp(hwnd(), ui::HelpFile(), ui::HH_DISPLAY_TOPIC_, "ping.htm");
}
