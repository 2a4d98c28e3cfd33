// The status-bar progress after "&Optimize" and "&Apply": ticks are driven by calling the timer
// handlers, except in the one test that lets the real timer run.
#include "tests/mainwindow/MainWindowFixture.h"
#include "settings/RegFunctions.h"

#include <algorithm>

namespace {

constexpr int kTicks = 21;  // 5 to 100, and the tick that passes 100

}  // namespace

class Progress : public MainWindow {
 protected:
  void ToSummary() {
    Open();
    drive::Click(H("Command7"));
    drive::Click(H("Command10"));
  }
  void Optimize() { drive::Click(H("Command1")); }
  void Ticks1(int n) {
    for (int i = 0; i < n; ++i) form->Timer1_Timer();
  }
  void Ticks2(int n) {
    for (int i = 0; i < n; ++i) form->Timer2_Timer();
  }
  void ExpectOneSpringPanel() {
    ASSERT_EQ(drive::PartCount(Bar()), 1);
    EXPECT_EQ(drive::PartText(Bar(), 0), "");
    EXPECT_EQ(drive::PartType(Bar(), 0), 0);  // inset
    RECT client;
    GetClientRect(Bar(), &client);
    EXPECT_GE(drive::PartRect(Bar(), 0).right, client.right - 20);
    EXPECT_EQ(form->MousePointer(), ui::Pointer::Default);
    EXPECT_TRUE(IsWindowEnabled(H("Toolbar1")));
    EXPECT_FALSE(IsWindowVisible(H("ProgressBar1")));
  }
};

TEST_F(Progress, OptimizeAnimatesInASecondPanelAndEndsWithTheRestartPanel) {
  ToSummary();
  SendMessageA(Bar(), SB_SETTEXTA, 0, LPARAM("old message"));
  Optimize();
  EXPECT_FALSE(IsWindowEnabled(H("Command1")));
  ASSERT_EQ(drive::PartCount(Bar()), 2);
  EXPECT_EQ(GetParent(H("ProgressBar1")), Bar());
  Ticks1(1);
  EXPECT_EQ(form->ProgressBar1.Value(), 5);
  EXPECT_EQ(form->MousePointer(), ui::Pointer::Hourglass);
  EXPECT_FALSE(IsWindowEnabled(H("Toolbar1")));
  RECT panel = drive::PartRect(Bar(), 1), bar;
  GetWindowRect(H("ProgressBar1"), &bar);
  MapWindowPoints(HWND_DESKTOP, Bar(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.left, panel.left);
  EXPECT_EQ(bar.top, panel.top);
  Ticks1(19);
  EXPECT_EQ(form->ProgressBar1.Value(), 100);
  EXPECT_FALSE(IsWindowVisible(H("Frame3")));
  Ticks1(1);
  ExpectOneSpringPanel();
  EXPECT_TRUE(IsWindowVisible(H("Frame3")));
  EXPECT_TRUE(IsWindowEnabled(H("Command1")));
  EXPECT_EQ(form->OptimizeProgress, 0);
  EXPECT_TRUE(boxes.empty());
  Optimize();
  Ticks1(1);
  EXPECT_EQ(form->ProgressBar1.Value(), 5);  // a second run counts from the start again
}

TEST_F(Progress, ApplyEndsWithoutTheRestartPanel) {
  Open();
  Menu("mnuManual");
  drive::Click(H("Command4"));
  EXPECT_FALSE(IsWindowEnabled(H("Command4")));
  Ticks2(kTicks);
  ExpectOneSpringPanel();
  EXPECT_TRUE(IsWindowEnabled(H("Command4")));
  EXPECT_FALSE(form->Frame3.Visible());
  EXPECT_EQ(form->ApplyProgress, 0);
}

TEST_F(Progress, ApplyDuringOptimizeEndsWithOnePanel) {
  ToSummary();
  Optimize();
  Ticks1(3);
  Menu("mnuManual");
  Menu("mnuApply");
  for (int i = 0; i < kTicks; ++i) {
    form->Timer1_Timer();
    form->Timer2_Timer();
  }
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_FALSE(form->Timer2.Enabled());
  ExpectOneSpringPanel();
}

TEST_F(Progress, OptimizeFromTheMenuWhileRunningLeavesOnePanelMore) {
  ToSummary();
  Optimize();
  Ticks1(3);
  EXPECT_TRUE(MenuEnabled("mnuOptimize"));
  Menu("mnuOptimize");
  EXPECT_EQ(drive::PartCount(Bar()), 3);
  Ticks1(1);
  EXPECT_EQ(form->ProgressBar1.Value(), 20);  // the counter went on
  Ticks1(kTicks - 4);
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_EQ(drive::PartCount(Bar()), 2);
}

TEST_F(Progress, RefusedWritesAreReportedInPlaceOfTheRestartPanel) {
  ToSummary();
  Optimize();
  form->OptimizeRefused = true;
  Ticks1(kTicks);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Brenvik");
  EXPECT_EQ(boxes[0].text,
            "Brenvik could not write some settings to the registry. Run it as an administrator "
            "and try again.");
  EXPECT_EQ(boxes[0].style, UINT(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_FALSE(form->Frame3.Visible());
  EXPECT_FALSE(form->OptimizeRefused);

  Menu("mnuManual");
  drive::Click(H("Command4"));
  form->ApplyRefused = true;
  Ticks2(kTicks);
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_FALSE(form->ApplyRefused);
}

TEST_F(Progress, TheRealTimerRunsToItsEnd) {
  ToSummary();
  Optimize();
  EXPECT_TRUE(form->Timer1.Enabled());
  EXPECT_EQ(form->Timer1.Interval(), 100);
  for (int waited = 0; waited < 10000 && form->Timer1.Enabled(); waited += 50) drive::Pump(50);
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_TRUE(IsWindowVisible(H("Frame3")));
  ExpectOneSpringPanel();
}

// A box runs a loop of its own, in which the other animation can end with a refusal too.
TEST_F(Progress, RefusalsOfBothRunsShowOneBoxAtATime) {
  ToSummary();
  Optimize();
  form->OptimizeRefused = true;
  Menu("mnuManual");
  Menu("mnuApply");
  form->ApplyRefused = true;
  int open = 0, most = 0;
  ui::SetMsgBoxHook([&](HWND, const std::string& text, const std::string& title, UINT style) {
    most = std::max(most, ++open);
    boxes.push_back({text, title, style});
    if (boxes.size() == 1) Ticks2(kTicks);
    --open;
    return IDOK;
  });
  Ticks1(kTicks);
  EXPECT_EQ(most, 1);
  EXPECT_EQ(boxes.size(), 1u);  // the second says the same as the first
  EXPECT_FALSE(form->ApplyRefused);
}

TEST_F(Progress, ARefusalIsToldWhenTheWindowClosesDuringTheAnimation) {
  ToSummary();
  Optimize();
  form->OptimizeRefused = true;
  Ticks1(3);
  SendMessageA(form->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form->Loaded());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kRefusedMessage);
}

TEST_F(Progress, TheEndOfTheSessionSavesThePlaceAndShowsNoBox) {
  const char key[] = "SOFTWARE\\QuorvaneSoftware\\Brenvik";
  ToSummary();
  Optimize();
  form->OptimizeRefused = true;
  EXPECT_EQ(SendMessageA(form->hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageA(form->hwnd(), WM_ENDSESSION, FALSE, 0);
  EXPECT_TRUE(form->Loaded());
  EXPECT_EQ(GetRegString(HKEY_LOCAL_MACHINE, key, "LoadedMain", ""), "");
  SendMessageA(form->hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_FALSE(form->Loaded());
  EXPECT_EQ(GetRegString(HKEY_LOCAL_MACHINE, key, "LoadedMain", ""), "Yes");
  EXPECT_TRUE(boxes.empty());
}
