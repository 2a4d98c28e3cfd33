// Start-up on every family: the adapter list, the fixed slots and what shows first.
#include "tests/mainwindow/MainWindowFixture.h"
#include "settings/RegFunctions.h"
#include "tuner/Optimize.h"

namespace {

const char kBindings[] = "Enum\\Network\\MSTCP\\";
const char kNetClass[] = "System\\CurrentControlSet\\Services\\Class\\Net\\";

struct Binding {
  const char* name;
  const char* description;  // nullptr: no DriverDesc
  const char* driver;
};

void AddBindings(std::initializer_list<Binding> bindings) {
  for (const Binding& binding : bindings) {
    SetRegString(HKEY_LOCAL_MACHINE, std::string(kBindings) + binding.name, "Driver",
                 binding.driver);
    if (binding.description)
      SetRegString(HKEY_LOCAL_MACHINE, std::string(kNetClass) + binding.name, "DriverDesc",
                   binding.description);
    else
      DeleteRegValue(HKEY_LOCAL_MACHINE, std::string(kNetClass) + binding.name, "DriverDesc");
  }
}

std::vector<std::string> Entries(const ui::ComboBox& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
  return entries;
}

std::vector<AdapterSlot> Chosen(const frmMain& form) {
  return SelectedSlots(form.cmbAdapter.Text(), form.cmbAdapter.ListIndex(), form.AdapterSubkeys,
                       form.AdapterDrivers, form.SlotSubkeys, form.SlotDrivers);
}

}  // namespace

TEST_F(MainWindow, ThreeBindingsListInOrderOn9xAndDefaultAdapterAloneOnNT) {
  AddBindings({{"0000", "Dial-Up Adapter", "NetTrans\\0003"},
               {"0001", "Fast Ethernet", "NetTrans\\0004"},
               {"0002", "Wireless LAN", "NetTrans\\0007"}});
  Open();
  if (Is9xFamily()) {
    EXPECT_EQ(Entries(form->cmbAdapter),
              (std::vector<std::string>{"Dial-Up Adapter", "Fast Ethernet", "Wireless LAN",
                                        "Default Adapter"}));
    EXPECT_EQ(form->cmbAdapter.ListIndex(), 0);
    EXPECT_EQ(drive::TextOf(H("cmbAdapter")), "Dial-Up Adapter");
    drive::Choose(H("cmbAdapter"), 1);
    std::vector<AdapterSlot> slots = Chosen(*form);
    ASSERT_EQ(slots.size(), 1u);
    EXPECT_EQ(slots[0].adapter, "0001");
    EXPECT_EQ(slots[0].protocol, "NetTrans\\0004");
  } else {
    EXPECT_EQ(Entries(form->cmbAdapter), std::vector<std::string>{"Default Adapter"});
    EXPECT_EQ(form->cmbAdapter.ListIndex(), -1);
    EXPECT_EQ(drive::TextOf(H("cmbAdapter")), "");
    EXPECT_TRUE(form->AdapterSubkeys.empty());
  }
}

TEST_F(MainWindow, DefaultAdapterStandsForTheElevenFixedSlots) {
  AddBindings({{"0000", "Fast Ethernet", "NetTrans\\0001"}});
  Open();
  drive::Choose(H("cmbAdapter"), form->cmbAdapter.ListCount() - 1);
  std::vector<AdapterSlot> slots = Chosen(*form);
  ASSERT_EQ(slots.size(), 11u);
  EXPECT_EQ(slots[0].adapter, "0000");
  EXPECT_EQ(slots[0].protocol, "NetTrans\\0000");
  EXPECT_EQ(slots[9].adapter, "0009");
  EXPECT_EQ(slots[9].protocol, "NetTrans\\0009");
  EXPECT_EQ(slots[10].adapter, "0010");
  EXPECT_EQ(slots[10].protocol, "NetTrans\\0010");
}

TEST_F(MainWindow, AnEmptyFirstDescriptionLeavesListAndTablesTogether) {
  if (!Is9xFamily()) GTEST_SKIP() << "the adapter list is only filled on 95, 98 and Me";
  AddBindings({{"0000", nullptr, "NetTrans\\0000"},
               {"0001", "Fast Ethernet", "NetTrans\\0001"},
               {"0002", "Wireless LAN", "NetTrans\\0002"}});
  Open();
  EXPECT_EQ(Entries(form->cmbAdapter),
            (std::vector<std::string>{"Fast Ethernet", "Wireless LAN", "Default Adapter"}));
  for (int entry = 0; entry < 2; ++entry) {
    drive::Choose(H("cmbAdapter"), entry);
    std::vector<AdapterSlot> slots = Chosen(*form);
    ASSERT_EQ(slots.size(), 1u);
    EXPECT_EQ(form->AdapterDescriptions[entry], form->cmbAdapter.Text());
    EXPECT_EQ(slots[0].adapter, entry == 0 ? "0001" : "0002");
    EXPECT_EQ(slots[0].protocol, entry == 0 ? "NetTrans\\0001" : "NetTrans\\0002");
  }
}

TEST_F(MainWindow, NoBindingsLeaveDefaultAdapterAloneAndSelectedOn9x) {
  Open();
  EXPECT_EQ(Entries(form->cmbAdapter), std::vector<std::string>{"Default Adapter"});
  EXPECT_EQ(form->cmbAdapter.ListIndex(), Is9xFamily() ? 0 : -1);
  EXPECT_EQ(form->SlotSubkeys.size(), 11u);
}

TEST_F(MainWindow, StartsOnTheFirstPageWithTheFirstChoicesMade) {
  Open();
  EXPECT_EQ(drive::TextOf(form->hwnd()), "Brenvik");
  EXPECT_EQ(VisiblePage(), 0);
  EXPECT_TRUE(form->frmCustom[0].Visible());
  for (int tab = 1; tab < 4; ++tab) EXPECT_FALSE(form->frmCustom[tab].Visible()) << tab;
  EXPECT_EQ(drive::TextOf(H("cmbConnection")), "Dial-up Modem");
  EXPECT_EQ(form->cmbConnection.ListCount(), 5);
  EXPECT_EQ(form->cmbConnection.List(4), "Windows Defaults");
  EXPECT_TRUE(form->Option8.Value());
  EXPECT_TRUE(form->Option1.Value());
  EXPECT_FALSE(form->Command8.Enabled());
  EXPECT_FALSE(form->Frame3.Visible());
  EXPECT_EQ(ui::HelpFile(), ui::ProgramFolder() + "\\trasko.chm");
  EXPECT_EQ(drive::PartCount(Bar()), 1);
  // The texts of page 0 leave their frames' borders in view.
  for (const char* text : {"Label38", "Label39", "Label40", "Label41", "Label42", "Label43"}) {
    ui::Control* label = form->Find(text);
    ui::Control* frame = ui::Control::FromHwnd(GetParent(label->hwnd()));
    EXPECT_LT(label->Left() + label->Width(), frame->Width() - 2 * ui::TwipsPerPixelX()) << text;
  }
}

TEST_F(MainWindow, SummaryNamesTheChosenAdapterOrNothingOnNT) {
  AddBindings({{"0000", "Fast Ethernet", "NetTrans\\0001"}});
  Open();
  drive::Click(H("Command7"));
  drive::Click(H("Command10"));
  EXPECT_EQ(drive::TextOf(H("Label53")), Is9xFamily() ? "Fast Ethernet" : "");
  EXPECT_EQ(drive::TextOf(H("Label54")), "Dial-up Modem");
}
