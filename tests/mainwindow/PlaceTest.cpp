// The window's place, saved in twips at unload and restored at the next start.
#include "tests/mainwindow/MainWindowFixture.h"
#include "settings/RegFunctions.h"
#include "tests/support/WorkAreaPlaces.h"
#include "ui/Monitors.h"

namespace {

const char kKey[] = "SOFTWARE\\QuorvaneSoftware\\Brenvik";

int Saved(const char* name) { return GetRegDword(HKEY_LOCAL_MACHINE, kKey, name, -99999); }

}  // namespace

TEST_F(MainWindow, FirstStartIsCentredAndUnloadSavesThePlaceInTwips) {
  Open();
  int tpp = ui::TwipsPerPixelX();
  EXPECT_NEAR(form->Left(), (ui::ScreenWidth() - form->Width()) / 2, tpp);
  EXPECT_NEAR(form->Top(), (ui::ScreenHeight() - form->Height()) / 2, tpp);
  RECT rect;
  GetWindowRect(form->hwnd(), &rect);
  form->Unload();
  EXPECT_EQ(GetRegString(HKEY_LOCAL_MACHINE, kKey, "LoadedMain"), "Yes");
  EXPECT_EQ(Saved("LeftMain"), rect.left * tpp);
  EXPECT_EQ(Saved("TopMain"), rect.top * ui::TwipsPerPixelY());
}

TEST_F(MainWindow, SavedPlaceIsRestoredOnlyAfterAnExactYes) {
  struct Row {
    const char* loaded;
    int left, top;
    bool restored;
  };
  for (const Row& row : {Row{"Yes", 1500, 900, true}, Row{"Yes", -3000, -450, true},
                         Row{"yes", 1500, 900, false}, Row{"YES", 30, 30, false}}) {
    SetRegString(HKEY_LOCAL_MACHINE, kKey, "LoadedMain", row.loaded);
    SetRegDword(HKEY_LOCAL_MACHINE, kKey, "LeftMain", row.left);
    SetRegDword(HKEY_LOCAL_MACHINE, kKey, "TopMain", row.top);
    Open();
    SCOPED_TRACE(row.loaded);
    if (row.restored) {
      EXPECT_EQ(form->Left(), row.left);
      EXPECT_EQ(form->Top(), row.top);
    } else {
      EXPECT_NEAR(form->Left(), (ui::ScreenWidth() - form->Width()) / 2, ui::TwipsPerPixelX());
    }
    form->Unload();
    EXPECT_EQ(GetRegString(HKEY_LOCAL_MACHINE, kKey, "LoadedMain"), "Yes");
  }
}

TEST_F(MainWindow, MinimisedOrMaximisedSavesTheNormalPlaceAndAPlaceOffTheScreenCentres) {
  for (int state : {SW_MINIMIZE, SW_MAXIMIZE}) {
    SCOPED_TRACE(state == SW_MINIMIZE ? "minimised" : "maximised");
    Open();
    form->Move(1500, 900);
    ShowWindow(form->hwnd(), state);
    ASSERT_TRUE(state == SW_MINIMIZE ? IsIconic(form->hwnd()) : IsZoomed(form->hwnd()));
    SendMessageA(form->hwnd(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(form->Loaded());
    EXPECT_EQ(Saved("LeftMain"), 1500);
    EXPECT_EQ(Saved("TopMain"), 900);
  }

  Open();
  const int tx = ui::TwipsPerPixelX(), ty = ui::TwipsPerPixelY();
  const int width = form->Width(), height = form->Height();
  form->Unload();
  for (const SavedPlace& row : PlacesAroundWorkArea(width, height, 1500, 900)) {
    SCOPED_TRACE(row.where);
    SetRegString(HKEY_LOCAL_MACHINE, kKey, "LoadedMain", "Yes");
    SetRegDword(HKEY_LOCAL_MACHINE, kKey, "LeftMain", row.left);
    SetRegDword(HKEY_LOCAL_MACHINE, kKey, "TopMain", row.top);
    Open();
    if (row.used) {
      EXPECT_EQ(form->Left(), row.left);
      EXPECT_EQ(form->Top(), row.top);
    } else {
      EXPECT_NEAR(form->Left(), (ui::ScreenWidth() - width) / 2, tx);
      EXPECT_NEAR(form->Top(), (ui::ScreenHeight() - height) / 2, ty);
    }
    form->Unload();
  }
}

// Runs in the two-monitor session only.
TEST_F(MainWindow, PlacesOnEveryMonitor) {
  if (!OnTwoMonitors()) GTEST_SKIP() << "needs the display of two monitors";
  const int tx = ui::TwipsPerPixelX(), ty = ui::TwipsPerPixelY();
  for (int state : {SW_MINIMIZE, SW_MAXIMIZE})
    for (POINT at : {POINT{1000, 100}, POINT{100, 200}}) {
      SCOPED_TRACE(std::to_string(state) + " at " + std::to_string(at.x));
      Open();
      form->Move(at.x * tx, at.y * ty);
      ShowWindow(form->hwnd(), state);
      SendMessageA(form->hwnd(), WM_CLOSE, 0, 0);
      EXPECT_EQ(Saved("LeftMain"), at.x * tx);
      EXPECT_EQ(Saved("TopMain"), at.y * ty);
    }

  Open();
  const int width = form->Width(), height = form->Height();
  form->Unload();
  const ui::MonitorCalls bound = ui::BoundMonitorCalls();
  for (bool missing : {false, true}) {
    ui::BoundMonitorCalls() = missing ? ui::MonitorCalls{} : bound;
    for (const MonitorPlace& row : PlacesOnTwoMonitors(height)) {
      SCOPED_TRACE(std::string(row.where) + (missing ? ", no monitor calls" : ""));
      SetRegString(HKEY_LOCAL_MACHINE, kKey, "LoadedMain", "Yes");
      SetRegDword(HKEY_LOCAL_MACHINE, kKey, "LeftMain", row.left * tx);
      SetRegDword(HKEY_LOCAL_MACHINE, kKey, "TopMain", row.top * ty);
      Open();
      if (missing ? row.usedOnPrimary : row.used) {
        EXPECT_EQ(form->Left(), row.left * tx);
        EXPECT_EQ(form->Top(), row.top * ty);
      } else {
        EXPECT_NEAR(form->Left(), (ui::ScreenWidth() - width) / 2, tx);
        EXPECT_NEAR(form->Top(), (ui::ScreenHeight() - height) / 2, ty);
      }
      form->Unload();
    }
  }
  ui::BoundMonitorCalls() = bound;
}
