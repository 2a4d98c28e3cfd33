// "&Apply" driven through the main window: lists chosen with CB_SETCURSEL, the button clicked,
// the registry and the window checked afterwards. Runs once per Windows family.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "tests/custom/Expected.h"
#include "tests/support/ImportHook.h"
#include "tests/support/VolatileKey.h"
#include "tuner/frmMain.h"

namespace {

const char kMstcp[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kEnum[] = "Enum\\Network\\MSTCP";
const Slot kFirst = {"0013", "NetTrans\\0013"}, kSecond = {"0014", "NetTrans\\0014"};

std::string Family() {
  const char* family = std::getenv("TEST_FAMILY");
  return family ? family : "winxp";
}
bool IsNT() { return Family() == "nt40" || Family() == "win2k" || Family() == "winxp"; }
bool Is98() { return Family() == "win98"; }

struct Box {
  std::string text, title;
  UINT style;
};

class ApplyWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::InitCommonControls();
    Clear9x();
    ClearNT();
    DeleteTree(HKEY_LOCAL_MACHINE, kEnum);
    for (const Slot& s : {kFirst, kSecond}) {
      PutString(HKEY_LOCAL_MACHINE, std::string(kEnum) + "\\" + s.subkey, "Driver", s.driver);
      PutString(HKEY_LOCAL_MACHINE, KeyOf({"{A}", ""}, s), "DriverDesc", "Adapter " + s.subkey);
    }
    ui::SetMsgBoxHook([this](HWND, const std::string& text, const std::string& title, UINT style) {
      boxes.push_back({text, title, style});
      return IDOK;
    });
    form = std::make_unique<frmMain>();
    form->Show();
    form->mnuManual_Click();
  }
  void TearDown() override {
    form->Unload();
    ui::SetMsgBoxHook({});
  }

  void Choose(int list, int index) { SendMessageA(form->Combo[list].hwnd(), CB_SETCURSEL, index, 0); }
  void ChooseAdapter(int index) { SendMessageA(form->cmbAdapter.hwnd(), CB_SETCURSEL, index, 0); }
  // Clicks "&Apply" and runs the animation's ticks to its end.
  void Apply() {
    ASSERT_TRUE(form->Command4.Enabled());
    SendMessageA(form->Command4.hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form->Command4.Enabled());
    EXPECT_TRUE(form->Timer2.Enabled());
    for (int tick = 0; tick < 21; ++tick) form->Timer2_Timer();
    EXPECT_FALSE(form->Timer2.Enabled());
    EXPECT_TRUE(form->Command4.Enabled());
  }
  RegSnapshot All() {
    RegSnapshot all = Snapshot9x(), nt = SnapshotTree(HKEY_LOCAL_MACHINE, kTcpipNT);
    all.insert(nt.begin(), nt.end());
    return all;
  }
  RegSnapshot Written(const ListCase& c, int index, const std::vector<Slot>& slots) {
    RegSnapshot out;
    for (const Slot& slot : c.perAdapter() ? slots : std::vector<Slot>{Slot{}})
      for (const Place& p : c.writes)
        out[SnapshotKey(KeyOf(p, slot), p.name)] = EntryOf(p, c.values[index - 1], Is98());
    return out;
  }

  std::unique_ptr<frmMain> form;
  std::vector<Box> boxes;
};

TEST_F(ApplyWindow, EachListsFirstAndLastItemGoWhereTheFamilyKeepsThem) {
  for (const ListCase& c : ListCases9x())
    for (int index : {1, static_cast<int>(c.items.size())}) {
      const RegSnapshot before = All();
      Choose(c.list, index);
      Apply();
      Choose(c.list, -1);
      RegSnapshot expected = before;
      if (!IsNT()) {
        for (const auto& [key, entry] : Written(c, index, {kFirst})) expected[key] = entry;
      } else {
        for (const NTCase& nt : NTCases())
          if (nt.list == c.list)
            expected[SnapshotKey(kTcpipNT, nt.name)] = DwordEntry(nt.numbers[index - 1]);
      }
      EXPECT_EQ(All(), expected) << "Combo" << c.list << " item " << index;
    }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ApplyWindow, DocumentedExamplesTakeTheFamilysForm) {
  Choose(2, 1);   // RcvWindow "8576"
  Choose(16, 4);  // Session Keep Alive "30"
  Choose(11, 7);  // TTL "256"
  Choose(18, 1);  // SlowNet "On"
  Choose(5, 1);   // Force Even "On"
  Apply();
  const RegSnapshot all = All();
  auto at = [&](const std::string& key, const std::string& name) {
    auto it = all.find(SnapshotKey(key, name));
    return it == all.end() ? std::string("absent") : it->second;
  };
  if (IsNT()) {
    EXPECT_EQ(at(kTcpipNT, "TcpWindowSize"), DwordEntry(8576));
    EXPECT_EQ(at(kTcpipNT, "SessionKeepAlive"), DwordEntry(1800000));
    EXPECT_EQ(at(kTcpipNT, "DefaultTTL"), DwordEntry(256));
    EXPECT_EQ(at(kMstcp, "DefaultRcvWindow"), "absent");
    return;
  }
  EXPECT_EQ(at(kMstcp, "DefaultRcvWindow"), Is98() ? SzEntry("8576") : DwordEntry(8576));
  EXPECT_EQ(at(kMstcp, "SessionKeepAlive"), SzEntry("1800000"));
  EXPECT_EQ(at(kMstcp, "DefaultTTL"), SzEntry("256"));
  EXPECT_EQ(at("System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\forceeven", "default"),
            SzEntry("1"));
  EXPECT_EQ(at(KeyOf({"{A}", ""}, kFirst), "SLOWNET"), HexEntry("\x01"));
  EXPECT_EQ(at(KeyOf({"{P}", ""}, kFirst), "SLOWNET"), DwordEntry(1));
  EXPECT_EQ(at(kTcpipNT, "TcpWindowSize"), "absent");
}

TEST_F(ApplyWindow, DefaultAdapterCoversTheElevenSlotsAndAnAdapterOnlyItself) {
  if (IsNT()) GTEST_SKIP() << "no adapters on this family";
  const std::vector<Slot> eleven = {
      {"0000", "NetTrans\\0000"}, {"0001", "NetTrans\\0001"}, {"0002", "NetTrans\\0002"},
      {"0003", "NetTrans\\0003"}, {"0004", "NetTrans\\0004"}, {"0005", "NetTrans\\0005"},
      {"0006", "NetTrans\\0006"}, {"0007", "NetTrans\\0007"}, {"0008", "NetTrans\\0008"},
      {"0009", "NetTrans\\0009"}, {"0010", "NetTrans\\0010"}};
  ASSERT_EQ(SendMessageA(form->cmbAdapter.hwnd(), CB_GETCOUNT, 0, 0), 3);
  const RegSnapshot before = All();
  ChooseAdapter(2);  // "Default Adapter"
  Choose(1, 4);      // MTU "1500"
  Choose(18, 1);     // SlowNet "On"
  Apply();
  RegSnapshot expected = before;
  for (int list : {1, 18})
    for (const auto& [key, entry] : Written(ListCase9x(list), list == 1 ? 4 : 1, eleven))
      expected[key] = entry;
  EXPECT_EQ(All(), expected);

  Choose(1, 0);
  Choose(18, 0);
  Apply();
  EXPECT_EQ(All(), before);

  ChooseAdapter(1);  // the second discovered adapter
  Choose(1, 4);
  Choose(18, -1);
  Apply();
  expected = before;
  for (const auto& [key, entry] : Written(ListCase9x(1), 4, {kSecond})) expected[key] = entry;
  EXPECT_EQ(All(), expected);
}

TEST_F(ApplyWindow, NothingChosenWritesNothingYetTheProgressRuns) {
  const RegSnapshot before = All();
  Apply();
  EXPECT_EQ(All(), before);
  EXPECT_EQ(form->SysInfo.Version(), COpSysInfo().Version());
  EXPECT_EQ(form->MousePointer(), ui::Pointer::Default);
  EXPECT_FALSE(form->Frame3.Visible());
  EXPECT_TRUE(boxes.empty());
}

// The pointer the main window asks for at each registry write of the apply.
frmMain* watchedForm = nullptr;
std::vector<ui::Pointer> pointersAtWrites;
using SetValueCall = LONG(WINAPI*)(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD);
SetValueCall realSetValue = nullptr;
LONG WINAPI WatchingSetValue(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                             DWORD size) {
  pointersAtWrites.push_back(watchedForm->MousePointer());
  return realSetValue(key, name, reserved, type, data, size);
}

TEST_F(ApplyWindow, TheHourglassShowsDuringTheWritesOf95AndMeOnly) {
  Choose(11, 7);  // TTL "256"
  Choose(9, 1);   // TcpOpts "On"
  watchedForm = form.get();
  pointersAtWrites.clear();
  {
    ImportSwap watch("advapi32.dll", "RegSetValueExA", reinterpret_cast<void*>(WatchingSetValue));
    realSetValue = reinterpret_cast<SetValueCall>(watch.real());
    ASSERT_NE(realSetValue, nullptr);
    SendMessageA(form->Command4.hwnd(), BM_CLICK, 0, 0);
  }

  const ui::Pointer during = Family() == "win95" || Family() == "winme" ? ui::Pointer::Hourglass
                                                                       : ui::Pointer::Default;
  const size_t writes = IsNT() ? 2 : 3;
  EXPECT_EQ(pointersAtWrites, std::vector<ui::Pointer>(writes, during));
  EXPECT_EQ(form->MousePointer(), ui::Pointer::Default);
}

// A non-volatile key cannot be created below a volatile one, so every write that needs such a
// sub-key is refused. The run that ends the animation decides whether a refusal is told.
TEST_F(ApplyWindow, ARefusedWriteIsReportedAfterTheAnimation) {
  const std::string parent = IsNT() ? "SYSTEM\\CurrentControlSet\\Services\\Tcpip" : kMstcp;
  const SavedTree saved = SaveTree(HKEY_LOCAL_MACHINE, parent);
  auto refuseWrites = [&] {
    DeleteTree(HKEY_LOCAL_MACHINE, parent);
    ASSERT_TRUE(MakeVolatileKey(HKEY_LOCAL_MACHINE, parent));
  };
  auto allowWrites = [&] {
    DeleteTree(HKEY_LOCAL_MACHINE, parent);
    RestoreTree(HKEY_LOCAL_MACHINE, saved);
  };
  // An optimization whose values still wait for the restart.
  form->Command1_Click();
  for (int tick = 0; tick < 21; ++tick) form->Timer1_Timer();
  ASSERT_TRUE(form->Frame3.Visible());
  refuseWrites();
  Choose(2, 1);  // RcvWindow: MSTCP\Parameters on 95/98/Me, Tcpip\Parameters on NT

  SendMessageA(form->Command4.hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form->ApplyRefused);
  for (int tick = 0; tick < 20; ++tick) form->Timer2_Timer();
  EXPECT_TRUE(boxes.empty()) << "the message waits for the end of the animation";
  form->Timer2_Timer();
  allowWrites();

  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "Brenvik could not write some settings to the registry. Run it as an administrator and "
            "try again.");
  EXPECT_EQ(boxes[0].title, "Brenvik");
  EXPECT_EQ(boxes[0].style & (MB_ICONMASK | MB_TYPEMASK), UINT(MB_ICONEXCLAMATION | MB_OK));
  EXPECT_FALSE(form->ApplyRefused);
  EXPECT_TRUE(form->Frame3.Visible()) << "the optimization's restart panel";

  // A refused run, then from the menu during its animation one that writes everything.
  refuseWrites();
  SendMessageA(form->Command4.hwnd(), BM_CLICK, 0, 0);
  allowWrites();
  form->mnuApply_Click();
  EXPECT_FALSE(form->ApplyRefused);
  for (int tick = 0; tick < 21; ++tick) form->Timer2_Timer();
  EXPECT_EQ(boxes.size(), 1u) << "a refusal told for a run that wrote everything";
}

}  // namespace
