// Opens brenvik's main window in the test process with fresh settings and recorders in place of
// help windows, message boxes and program starts.
#pragma once
#include "tests/support/WindowDriver.h"
#include "tuner/Launcher.h"
#include "tuner/frmMain.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct HelpCall {
  HWND owner;
  std::string file;
  UINT command;
  std::string topic;
};

struct BoxCall {
  std::string text, title;
  UINT style;
};

inline std::string Family() {
  const char* family = std::getenv("TEST_FAMILY");
  return family ? family : "winxp";
}

inline bool Is9xFamily() {
  std::string family = Family();
  return family == "win95" || family == "win98" || family == "winme";
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    drive::DeleteTree("SOFTWARE\\QuorvaneSoftware\\Brenvik");
    drive::DeleteTree("Enum\\Network\\MSTCP");
    ui::SetHelpHook([this](HWND owner, const std::string& file, UINT command,
                           const std::string& topic) {
      help.push_back({owner, file, command, topic});
    });
    ui::SetMsgBoxHook([this](HWND, const std::string& text, const std::string& title, UINT style) {
      boxes.push_back({text, title, style});
      return IDOK;
    });
    LaunchCalls calls;
    calls.startProgram = [this](const std::string& line) {
      started.push_back(line);
      return true;
    };
    calls.shellOpen = [this](const ShellOpenCall& call) { opened.push_back(call); };
    calls.exitWindows = [](UINT, DWORD) {};
    SetLaunchCalls(calls);
  }

  void TearDown() override {
    if (form && form->Loaded()) form->Unload();
    form.reset();
    ui::SetHelpHook(nullptr);
    ui::SetMsgBoxHook(nullptr);
    SetLaunchCalls({});
  }

  void Open() {
    form = std::make_unique<frmMain>();
    form->Show();
  }

  HWND H(const char* name) { return form->Find(name)->hwnd(); }
  void Menu(const char* name) { drive::Command(form->hwnd(), form->FindMenu(name)->Id()); }
  bool MenuShown(const char* name) { return drive::Shown(form->MenuHandle(), Id(name)); }
  bool MenuEnabled(const char* name) { return drive::Enabled(form->MenuHandle(), Id(name)); }
  UINT Id(const char* name) { return form->FindMenu(name)->Id(); }

  // The one page whose frame shows, or -1 when none or several do.
  int VisiblePage() {
    int shown = -1;
    for (int page = 0; page < 7; ++page)
      if (IsWindowVisible(form->Frame1[page].hwnd())) {
        if (shown >= 0) return -1;
        shown = page;
      }
    return shown;
  }

  // A click on toolbar button n, as the toolbar reports it to its parent.
  void Toolbar(int n) {
    SendMessageA(form->hwnd(), WM_COMMAND, MAKEWPARAM(n, BN_CLICKED), LPARAM(H("Toolbar1")));
  }

  HWND Bar() { return form->StatusBar1.hwnd(); }

  // Runs what inside the loop of the modal dialog that the menu command opens; what must unload
  // the dialog.
  void InModal(const char* menu, std::function<void()> what) {
    Pending() = std::move(what);
    SetTimer(nullptr, 0, 50, RunPending);
    Menu(menu);
    Pending() = nullptr;
  }
  static std::function<void()>& Pending() {
    static std::function<void()> pending;
    return pending;
  }
  static void CALLBACK RunPending(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (Pending()) Pending()();
  }

  std::unique_ptr<frmMain> form;
  std::vector<HelpCall> help;
  std::vector<BoxCall> boxes;
  std::vector<std::string> started;
  std::vector<ShellOpenCall> opened;
};
