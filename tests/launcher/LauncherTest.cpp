// "&Launch", "&Olandri" and "Restart" of brenvik's main window, pressed as a user presses them,
// with the launcher's calls recorded instead of made. Runs once per Windows family.
#include "tuner/Launcher.h"
#include "tuner/frmAbout.h"
#include "tuner/frmMain.h"
#include "tests/support/ImportHook.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <list>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kRundll[] = "rundll32.exe shell32.dll,Control_RunDLL ";

bool FamilyIs9x() {
  const std::string family = std::getenv("TEST_FAMILY") ? std::getenv("TEST_FAMILY") : "winxp";
  return family == "win95" || family == "win98" || family == "winme";
}

struct Message {
  std::string text, title;
  UINT style;
};

// The main window saves its place here when it closes and reads it back when it loads.
const char kSettingsKey[] = "SOFTWARE\\QuorvaneSoftware\\Brenvik";

class LaunchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Other tests in this prefix close the window too; every test starts as a first start does.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSettingsKey);
    SetLaunchCalls({[this](const std::string& line) {
                      starts.push_back(line);
                      return startSucceeds;
                    },
                    [this](const ShellOpenCall& call) { opens.push_back(call); },
                    [this](UINT flags, DWORD reserved) { exits.push_back({flags, reserved}); }});
    ui::SetMsgBoxHook([this](HWND, const std::string& text, const std::string& title, UINT style) {
      messages.push_back({text, title, style});
      return IDOK;
    });
    form.Load();
    form.Show();
    form.mnuLauncher_Click();
  }
  void TearDown() override {
    form.Unload();
    ui::SetMsgBoxHook({});
    SetLaunchCalls({});
    // Closing the window saved its place; leave the prefix as a first start finds it.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSettingsKey);
  }

  static void Click(HWND window) { SendMessageA(window, BM_CLICK, 0, 0); }
  void ChooseMenu(const ui::MenuItem& item) {
    SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
  }
  void ClearOptions() {
    for (ui::OptionButton* option : {&form.Option1, &form.Option3, &form.Option4, &form.Option5,
                                     &form.Option6, &form.Option7})
      option->SetValue(false);
  }

  frmMain form;
  bool startSucceeds = true;
  std::vector<std::string> starts;
  std::vector<ShellOpenCall> opens;
  std::vector<std::pair<UINT, DWORD>> exits;
  std::vector<Message> messages;
};

struct StartCase {
  const char* option;
  std::string on9x, onNT;
};

TEST_F(LaunchTest, EachAppletOptionStartsItsCommandLineForTheFamily) {
  const StartCase cases[] = {
      {"Option1", std::string(kRundll) + "netcpl.cpl", std::string(kRundll) + "ncpa.cpl"},
      {"Option3", std::string(kRundll) + "modem.cpl", std::string(kRundll) + "modem.cpl"},
      {"Option4", std::string(kRundll) + "inetcpl.cpl", std::string(kRundll) + "inetcpl.cpl"},
      {"Option5", "winipcfg", "ipconfig"},
  };
  for (const StartCase& c : cases) {
    SCOPED_TRACE(c.option);
    starts.clear();
    Click(form.Find(c.option)->hwnd());
    Click(form.Command2.hwnd());
    EXPECT_EQ(starts, std::vector<std::string>{FamilyIs9x() ? c.on9x : c.onNT});
    EXPECT_TRUE(opens.empty());
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(LaunchTest, NetworkSettingsIsSelectedWhenThePageIsFirstShown) {
  EXPECT_TRUE(form.Option1.Value());
  Click(form.Command2.hwnd());
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0], std::string(kRundll) + (FamilyIs9x() ? "netcpl.cpl" : "ncpa.cpl"));
}

TEST_F(LaunchTest, DefaultBrowserOpensTheMakersWebPageWithoutOwner) {
  Click(form.Option6.hwnd());
  Click(form.Command2.hwnd());
  ASSERT_EQ(opens.size(), 1u);
  const ShellOpenCall& call = opens[0];
  EXPECT_EQ(call.owner, nullptr);
  EXPECT_EQ(call.verb, "Open");
  EXPECT_EQ(call.document, kMakerWebAddress);
  frmAbout& about = form.About();
  about.Load();
  EXPECT_EQ(call.document, about.Label12.Caption());
  about.Unload();
  EXPECT_EQ(call.parameters, std::optional<std::string>(""));
  EXPECT_EQ(call.folder, std::optional<std::string>(""));
  EXPECT_EQ(call.show, SW_SHOWNORMAL);
  EXPECT_TRUE(starts.empty());
}

TEST_F(LaunchTest, DefaultMailProgramOpensAnEmptyMessageOwnedByTheMainWindow) {
  Click(form.Option7.hwnd());
  ChooseMenu(form.mnuLaunch);
  ASSERT_EQ(opens.size(), 1u);
  const ShellOpenCall& call = opens[0];
  EXPECT_EQ(call.owner, form.hwnd());
  EXPECT_EQ(call.verb, "open");
  EXPECT_EQ(call.document, "mailto:");
  EXPECT_EQ(call.parameters, std::nullopt);
  EXPECT_EQ(call.folder, std::nullopt);
  EXPECT_EQ(call.show, SW_SHOW);
}

TEST_F(LaunchTest, NoOptionFallsThroughToIpconfigOnEveryFamily) {
  ClearOptions();
  Click(form.Command2.hwnd());
  EXPECT_EQ(starts, std::vector<std::string>{"ipconfig"});
}

TEST_F(LaunchTest, AFailedIpConfigurationStartIsIgnored) {
  startSucceeds = false;
  Click(form.Option5.hwnd());
  Click(form.Command2.hwnd());
  ClearOptions();
  Click(form.Command2.hwnd());
  EXPECT_EQ(starts.size(), 2u);
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(IsWindow(form.hwnd()));
}

TEST_F(LaunchTest, AFailedAppletStartIsReportedOnce) {
  startSucceeds = false;
  for (const char* option : {"Option1", "Option3", "Option4"}) {
    SCOPED_TRACE(option);
    messages.clear();
    Click(form.Find(option)->hwnd());
    Click(form.Command2.hwnd());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find(starts.back()), std::string::npos) << messages[0].text;
    EXPECT_EQ(messages[0].title, "Brenvik");
    EXPECT_EQ(messages[0].style, UINT(MB_OK | MB_ICONEXCLAMATION));
  }
}

TEST_F(LaunchTest, OlandriStartsFromBrenviksFolderEveryTimeItIsAskedFor) {
  const std::string keeper = ui::ProgramFolder() + "\\olandri.exe";
  ChooseMenu(form.mnuOlandri);
  form.Toolbar1_ButtonClick(3);
  EXPECT_EQ(starts, (std::vector<std::string>{keeper, keeper}));
  EXPECT_TRUE(opens.empty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(LaunchTest, AMissingOlandriIsReportedAndBrenvikGoesOn) {
  startSucceeds = false;
  ChooseMenu(form.mnuOlandri);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].text.find("olandri.exe"), std::string::npos) << messages[0].text;
  EXPECT_TRUE(IsWindow(form.hwnd()));
}

TEST_F(LaunchTest, RestartRebootsAtOnceWithoutAQuestion) {
  Click(form.Command13.hwnd());
  EXPECT_EQ(exits, (std::vector<std::pair<UINT, DWORD>>{{EWX_REBOOT, 0xFFFFFFFFu}}));
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(starts.empty());
}

// Windows 95, 98 and Me export the token calls only as stubs that fail; the restart goes on
// without the privilege, which those versions do not ask for.
int stubCalls = 0;
BOOL NotImplemented() {
  ++stubCalls;
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}
BOOL WINAPI OpenProcessTokenStub(HANDLE, DWORD, HANDLE*) { return NotImplemented(); }
BOOL WINAPI LookupPrivilegeValueStub(LPCSTR, LPCSTR, LUID*) { return NotImplemented(); }
BOOL WINAPI AdjustTokenPrivilegesStub(HANDLE, BOOL, TOKEN_PRIVILEGES*, DWORD, TOKEN_PRIVILEGES*,
                                      DWORD*) {
  return NotImplemented();
}

TEST_F(LaunchTest, RestartRebootsWhereTheTokenCallsAreStubs) {
  const std::pair<const char*, void*> stubs[] = {
      {"OpenProcessToken", reinterpret_cast<void*>(OpenProcessTokenStub)},
      {"LookupPrivilegeValueA", reinterpret_cast<void*>(LookupPrivilegeValueStub)},
      {"AdjustTokenPrivileges", reinterpret_cast<void*>(AdjustTokenPrivilegesStub)}};
  {
    std::list<ImportSwap> swaps;
    for (const auto& [call, stub] : stubs) {
      ASSERT_NE(swaps.emplace_back("advapi32.dll", call, stub).real(), nullptr) << call;
    }
    stubCalls = 0;
    Click(form.Command13.hwnd());
  }
  EXPECT_GE(stubCalls, 1);
  EXPECT_EQ(exits, (std::vector<std::pair<UINT, DWORD>>{{EWX_REBOOT, 0xFFFFFFFFu}}));
  EXPECT_TRUE(messages.empty());
}

// The restart's privilege step works on the process's real token.
bool ShutdownPrivilegeEnabled() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  LUID shutdown{};
  LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown);
  std::vector<BYTE> buffer(4096);
  DWORD size = 0;
  bool enabled = false;
  if (GetTokenInformation(token, TokenPrivileges, buffer.data(), buffer.size(), &size)) {
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
      const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
      if (entry.Luid.LowPart == shutdown.LowPart && entry.Luid.HighPart == shutdown.HighPart)
        enabled = entry.Attributes & SE_PRIVILEGE_ENABLED;
    }
  }
  CloseHandle(token);
  return enabled;
}

void DisableShutdownPrivilege() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token);
  TOKEN_PRIVILEGES off{1, {{{0, 0}, 0}}};
  LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &off.Privileges[0].Luid);
  AdjustTokenPrivileges(token, FALSE, &off, 0, nullptr, nullptr);
  CloseHandle(token);
}

TEST(ShutdownPrivilege, IsEnabledBeforeTheRestart) {
  DisableShutdownPrivilege();
  ASSERT_FALSE(ShutdownPrivilegeEnabled());
  EnableShutdownPrivilege();
  EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

}  // namespace

// The real starts, with programs that end at once.
std::string SystemProgram(const char* name) {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\" + name;
}

TEST(RealStart, AProgramOnThePathStartsAndAMissingOneDoesNot) {
  EXPECT_TRUE(StartProgram("cmd.exe /c exit 0"));
  EXPECT_FALSE(StartProgram("no-such-program-of-brenvik"));
}

TEST(RealStart, AProgramFileStartsFromAFolderWithBlanksInItsName) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "brenvik launcher test";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string keeper = folder + "\\olandri.exe";
  ASSERT_TRUE(CopyFileA(SystemProgram("hostname.exe").c_str(), keeper.c_str(), FALSE));
  EXPECT_TRUE(StartProgramFile(keeper));
  EXPECT_FALSE(StartProgramFile(folder + "\\missing.exe"));
  Sleep(500);  // the copy ends at once; give it time to let go of its file
  DeleteFileA(keeper.c_str());
  RemoveDirectoryA(folder.c_str());
}
