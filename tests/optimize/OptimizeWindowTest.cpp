// "&Optimize" pressed in brenvik's main window as a user presses it: the wizard's pages, the
// registry state that results, the progress animation and what follows it.
#include "Expected.h"
#include "tuner/Optimize.h"
#include "tuner/frmMain.h"
#include "tests/support/VolatileKey.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const char kMstcpEnum[] = "Enum\\Network\\MSTCP";

Family ThisFamily() {
    const char* name = std::getenv("TEST_FAMILY");
    return FamilyNamed(name ? name : "winxp");
}

bool Is9x(Family family) { return family == Family::Win95 || family == Family::Win98 || family == Family::WinMe; }

struct Message {
    std::string text, title;
    UINT style;
};

// Version calls that play a family other than the prefix's own.
BOOL WINAPI PlayWindows95(LPOSVERSIONINFOA info) {
    info->dwMajorVersion = 4;
    info->dwMinorVersion = 0;
    info->dwBuildNumber = 950;
    info->dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    info->szCSDVersion[0] = 0;
    return TRUE;
}

BOOL WINAPI PlayNoFamily(LPOSVERSIONINFOA info) {
    info->dwMajorVersion = 1;
    info->dwMinorVersion = 0;
    info->dwBuildNumber = 1;
    info->dwPlatformId = 7;
    info->szCSDVersion[0] = 0;
    return TRUE;
}

class OptimizeWindow : public ::testing::Test {
protected:
    // The registry is made ready before the window loads, since loading discovers the adapters.
    void SetUp() override {
        ui::InitCommonControls();
        ClearHandledState();
        DeleteTree(HKEY_LOCAL_MACHINE, kMstcpEnum);
        PutString(HKEY_LOCAL_MACHINE, std::string(kMstcpEnum) + "\\" + DiscoveredSlot().adapter,
                  "Driver", DiscoveredSlot().protocol);
        std::vector<Slot> everySlot = FixedSlots();
        everySlot.push_back(DiscoveredSlot());
        SeedOldState(everySlot);
        PutString(HKEY_LOCAL_MACHINE,
                  std::string(kClassKey) + "\\Net\\" + DiscoveredSlot().adapter, "DriverDesc",
                  adapterDescription);
        ui::SetMsgBoxHook([this](HWND, const std::string& text, const std::string& title, UINT style) {
            messages.push_back({text, title, style});
            return IDOK;
        });
        form.Load();
        form.Show();
    }

    void TearDown() override {
        form.Unload();
        ui::SetMsgBoxHook({});
        OptimizeVersionCall = GetVersionExA;
        ClearHandledState();
        DeleteTree(HKEY_LOCAL_MACHINE, kMstcpEnum);
    }

    static void Click(ui::Control& control) { SendMessageA(control.hwnd(), BM_CLICK, 0, 0); }

    // Page 0, then page 2 unless it is skipped, then the summary page.
    void Choose(int adapterEntry, int connection, ui::OptionButton* configuration) {
        if (adapterEntry >= 0) form.cmbAdapter.SetListIndex(adapterEntry);
        form.cmbConnection.SetListIndex(connection);
        Click(form.Command7);
        if (connection != 4) {
            Click(*configuration);
            Click(form.Command10);
        }
        ASSERT_TRUE(form.Frame1[3].Visible());
    }

    // Lets the animation run to its end, as the message loop would.
    void WaitForTheAnimation() {
        for (int i = 0; i < 1000 && !form.Command1.Enabled(); ++i) {
            ui::DoEvents();
            Sleep(10);
        }
        ASSERT_TRUE(form.Command1.Enabled()) << "the animation did not end";
    }

    int DefaultAdapterEntry() { return form.cmbAdapter.ListCount() - 1; }

    std::string adapterDescription = "Acme PCI Ethernet";
    frmMain form;
    std::vector<Message> messages;
};

TEST_F(OptimizeWindow, OneAdapterLanNumber3WritesTheFamilysValuesThenShowsTheRestartPanel) {
    const Family family = ThisFamily();
    Choose(0, 1, &form.Option10);
    const RegSnapshot before = ReadHandledState();

    Click(form.Command1);
    EXPECT_FALSE(form.Command1.Enabled());
    EXPECT_FALSE(form.Frame3.Visible());
    const RegSnapshot expected = ExpectOptimize(before, family, 1, 3, {DiscoveredSlot()});
    EXPECT_EQ("", Differences(expected, ReadHandledState())) << FamilyName(family);

    WaitForTheAnimation();
    EXPECT_TRUE(form.Frame3.Visible());
    EXPECT_TRUE(messages.empty());
}

TEST_F(OptimizeWindow, DefaultAdapterSatelliteWithOption12TakesConfiguration5) {
    const Family family = ThisFamily();
    Choose(DefaultAdapterEntry(), 3, &form.Option12);
    const RegSnapshot before = ReadHandledState();

    Click(form.Command1);
    const RegSnapshot expected = ExpectOptimize(before, family, 3, 5, FixedSlots());
    EXPECT_EQ("", Differences(expected, ReadHandledState())) << FamilyName(family);
    WaitForTheAnimation();
    EXPECT_TRUE(form.Frame3.Visible());
}

TEST_F(OptimizeWindow, WindowsDefaultsFromTheMenuOnlyResets) {
    const Family family = ThisFamily();
    form.Option11.SetValue(true);  // chosen earlier, and of no account for "Windows Defaults"
    Choose(DefaultAdapterEntry(), 4, nullptr);
    const RegSnapshot before = ReadHandledState();

    form.mnuOptimize_Click();
    const RegSnapshot expected = ExpectOptimize(before, family, 4, 1, FixedSlots());
    EXPECT_EQ("", Differences(expected, ReadHandledState())) << FamilyName(family);
    WaitForTheAnimation();
    EXPECT_TRUE(form.Frame3.Visible());
}

class OptimizeWindowWithDefaultAdapterCard : public OptimizeWindow {
protected:
    void SetUp() override {
        adapterDescription = "Default Adapter";
        OptimizeWindow::SetUp();
    }
};

// A card whose description is exactly "Default Adapter" is taken for the pseudo-adapter.
TEST_F(OptimizeWindowWithDefaultAdapterCard, ChoosingItTreatsTheElevenSlots) {
    const Family family = ThisFamily();
    if (!Is9x(family)) GTEST_SKIP() << "no adapter list on the NT family";
    ASSERT_EQ("Default Adapter", form.cmbAdapter.List(0));
    Choose(0, 0, &form.Option8);
    const RegSnapshot before = ReadHandledState();

    Click(form.Command1);
    const RegSnapshot expected = ExpectOptimize(before, family, 0, 1, FixedSlots());
    EXPECT_EQ("", Differences(expected, ReadHandledState())) << FamilyName(family);
    WaitForTheAnimation();
}

// With no family flag set nothing is written, and the animation and restart panel follow as ever.
TEST_F(OptimizeWindow, NoFamilyWritesNothingButAnimatesAndOffersTheRestart) {
    OptimizeVersionCall = PlayNoFamily;
    form.cmbAdapter.SetListIndex(DefaultAdapterEntry());
    Choose(-1, 1, &form.Option8);
    const RegSnapshot before = ReadHandledState();

    Click(form.Command1);
    EXPECT_EQ("", Differences(before, ReadHandledState()));
    WaitForTheAnimation();
    EXPECT_TRUE(form.Frame3.Visible());
    EXPECT_TRUE(messages.empty());
}

// Each run decides the end of its animation: a refused run after one that showed the restart
// panel hides it, and a run from the menu that writes everything, during the animation of a
// refused one, ends with the restart panel and no message.
TEST_F(OptimizeWindow, EachRunDecidesTheEndOfItsAnimation) {
    OptimizeVersionCall = PlayWindows95;
    const std::string adapter = std::string(kClassKey) + "\\Net\\0000";
    auto refuseWrites = [&] {
        DeleteTree(HKEY_LOCAL_MACHINE, adapter);
        ASSERT_TRUE(MakeVolatileKey(HKEY_LOCAL_MACHINE, adapter));
    };
    form.cmbAdapter.SetListIndex(DefaultAdapterEntry());
    Choose(-1, 0, &form.Option8);

    Click(form.Command1);
    WaitForTheAnimation();
    ASSERT_TRUE(form.Frame3.Visible());
    refuseWrites();
    form.mnuOptimize_Click();
    WaitForTheAnimation();
    EXPECT_FALSE(form.Frame3.Visible()) << "the restart panel beside the refusal";
    EXPECT_EQ(1u, messages.size());

    Click(form.Command1);
    EXPECT_TRUE(form.OptimizeRefused);
    DeleteTree(HKEY_LOCAL_MACHINE, adapter);
    form.mnuOptimize_Click();
    EXPECT_FALSE(form.OptimizeRefused);
    WaitForTheAnimation();
    EXPECT_TRUE(form.Frame3.Visible());
    EXPECT_EQ(1u, messages.size()) << "a refusal told for a run that wrote everything";
}

// A write the registry refuses: at the end of the animation a message box replaces the restart
// panel, once; the next run that writes everything shows the restart panel again.
TEST_F(OptimizeWindow, ARefusedWriteShowsTheMessageInsteadOfTheRestartPanel) {
    OptimizeVersionCall = PlayWindows95;
    const std::string net = std::string(kClassKey) + "\\Net";
    DeleteTree(HKEY_LOCAL_MACHINE, net + "\\0000");
    ASSERT_TRUE(MakeVolatileKey(HKEY_LOCAL_MACHINE, net + "\\0000"));
    form.cmbAdapter.SetListIndex(DefaultAdapterEntry());
    Choose(-1, 0, &form.Option8);

    Click(form.Command1);
    WaitForTheAnimation();
    EXPECT_FALSE(form.Frame3.Visible());
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ("Brenvik could not write some settings to the registry. Run it as an administrator and try again.",
              messages[0].text);
    EXPECT_EQ("Brenvik", messages[0].title);
    EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), messages[0].style);
    EXPECT_FALSE(form.OptimizeRefused);

    DeleteTree(HKEY_LOCAL_MACHINE, net + "\\0000");
    Click(form.Command1);
    WaitForTheAnimation();
    EXPECT_TRUE(form.Frame3.Visible());
    EXPECT_EQ(1u, messages.size());
}

}  // namespace
