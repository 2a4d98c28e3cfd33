// The Backup and Restore dialogs driven as a user drives them: by clicks and list choices sent
// to their controls, checking what the dialog then shows and what lies in the backup folder.
#include "BackupTestSupport.h"
#include "tests/support/Keys.h"

#include "backup/Backup.h"
#include "backup/BackupStore.h"
#include "backup/Restore.h"
#include "settings/Settings.h"
#include "tuner/frmMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

using namespace backup_test;

namespace {

void Click(ui::Button& button) { SendMessageA(button.hwnd(), BM_CLICK, 0, 0); }

// A user's click on entry i of the list (extended selection: the entry alone is chosen).
void ClickEntry(ui::ListBox& list, int i, bool add = false) {
    if (!add) SendMessageA(list.hwnd(), LB_SETSEL, FALSE, -1);
    SendMessageA(list.hwnd(), LB_SETSEL, TRUE, i);
    SendMessageA(list.hwnd(), LB_SETCARETINDEX, i, 0);
    SendMessageA(GetParent(list.hwnd()), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(list.hwnd()), LBN_SELCHANGE), LPARAM(list.hwnd()));
}

std::vector<std::string> Entries(ui::ListBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
    return entries;
}

// Ticks the dialog's timer until the animation unloads the dialog; the number of ticks it took.
int TicksUntilUnloaded(BackupDialog& dialog) {
    int ticks = 0;
    while (ticks < 100 && dialog.Loaded() && dialog.Timer1.Enabled()) {
        SendMessageA(dialog.hwnd(), WM_TIMER, dialog.Timer1.Id(), 0);
        ++ticks;
    }
    return ticks;
}

std::string Today() {
    char text[80] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
    std::string date = text;
    std::replace(date.begin(), date.end(), '.', '_');
    std::replace(date.begin(), date.end(), '/', '_');
    return date;
}

// The files of a folder in the order its listing returns them.
std::vector<std::string> ListingOrder(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

class BackupDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ClearTunedValues();
        folder = FreshFolder(FolderName());
        ui::SetMsgBoxHook([this](HWND, const std::string& text, const std::string& title, UINT) {
            messages.push_back(title + ": " + text);
            return IDOK;
        });
        ui::SetHelpHook([this](HWND, const std::string&, UINT command, const std::string& topic) {
            help.push_back(std::to_string(command) + " " + topic);
        });
    }
    void TearDown() override {
        ui::SetMsgBoxHook({});
        ui::SetHelpHook({});
    }
    void Touch(const std::string& name) { WriteFileBytes(folder + "\\" + name, {}); }
    // Entries of this program that run at the same time keep their folders apart.
    virtual const char* FolderName() const { return "backup-dialogs"; }

    std::string folder;
    std::vector<std::string> messages, help;
};

}  // namespace

TEST_F(BackupDialogs, ShowTheirControlsAsDesigned) {
    Backup backup(folder);
    Restore restore(folder);
    backup.Load();
    restore.Load();
    struct Case { BackupDialog& dialog; const char* caption; const char* label1; int interval; };
    for (const Case& c : {Case{backup, "Brenvik Backup", "Backup File", 150},
                          Case{restore, "Brenvik Restore", "Restore from", 100}}) {
        EXPECT_EQ(c.dialog.Caption(), c.caption);
        EXPECT_EQ(c.dialog.Label1.Caption(), c.label1);
        EXPECT_EQ(c.dialog.Label2.Caption(), "Saved Files");
        EXPECT_EQ(c.dialog.Command1.Caption(), "&OK");
        EXPECT_EQ(c.dialog.Command2.Caption(), "&Cancel");
        EXPECT_EQ(c.dialog.Command3.Caption(), "&Delete");
        EXPECT_EQ(c.dialog.Command4.Caption(), "&Help");
        EXPECT_EQ(c.dialog.Timer1.Interval(), c.interval);
        EXPECT_FALSE(c.dialog.Timer1.Enabled());
        EXPECT_FALSE(c.dialog.ProgressBar1.Visible());
        EXPECT_EQ(c.dialog.ProgressBar1.Max(), 100);
        EXPECT_TRUE(c.dialog.Command1.Enabled());
        EXPECT_TRUE(GetWindowLongA(c.dialog.List1.hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    }
    EXPECT_EQ(restore.Text1.Text(), "");  // empty folder
    Click(backup.Command4);
    Click(restore.Command4);
    EXPECT_EQ(help, (std::vector<std::string>{"0 backup.htm", "0 restore.htm"}));
    Click(backup.Command2);
    Click(restore.Command2);
    EXPECT_FALSE(backup.Loaded());
    EXPECT_FALSE(restore.Loaded());
}

TEST_F(BackupDialogs, ProposeTodayAndTheFirstFreeNumber) {
    Backup backup(folder + "\\missing");
    backup.Load();
    EXPECT_EQ(backup.Text1.Text(), Today() + "_1");
    backup.Unload();
    Backup inFolder(folder);
    Touch(Today() + "_1.dat");
    Touch(Today() + "_2.dat");
    Touch(Today() + "_3.DAT");
    inFolder.Load();
    EXPECT_EQ(inFolder.Text1.Text(), Today() + "_3");
    inFolder.Unload();
}

TEST_F(BackupDialogs, ListDatFilesInTheOrderOfTheListing) {
    for (const char* name : {"a.dat", "b.txt", "c.dat", "d.DAT", "dat", "e.dat"}) Touch(name);
    CreateDirectoryA((folder + "\\f.dat").c_str(), nullptr);
    std::vector<std::string> expected;
    for (const std::string& file : ListingOrder(folder))
        if (file == "a.dat" || file == "c.dat" || file == "e.dat") expected.push_back(file.substr(0, 1));
    Restore restore(folder);
    restore.Load();
    EXPECT_EQ(Entries(restore.List1), expected);
    EXPECT_EQ(restore.Text1.Text(), expected[0]);
    ClickEntry(restore.List1, 2);
    EXPECT_EQ(restore.Text1.Text(), expected[2]);
    restore.Unload();
}

// Files whose names merely end in "dat" are no backups: they stay, whatever is deleted.
TEST_F(BackupDialogs, DeleteRemovesTheChosenBackupsAndRebuildsTheList) {
    for (const char* name : {"a.dat", "b.dat", "c.dat", "a_dat", "notesdat"}) Touch(name);
    Backup backup(folder);
    backup.Load();
    Click(backup.Command3);  // nothing chosen
    EXPECT_EQ(FolderState(folder).size(), 5u);
    std::vector<std::string> shown = Entries(backup.List1);
    ASSERT_EQ(shown.size(), 3u);
    ClickEntry(backup.List1, 0);
    ClickEntry(backup.List1, 2, true);
    Click(backup.Command3);
    EXPECT_EQ(Entries(backup.List1), std::vector<std::string>{shown[1]});
    std::set<std::string> left;
    for (const auto& file : FolderState(folder)) left.insert(file.first);
    EXPECT_EQ(left, (std::set<std::string>{shown[1] + ".dat", "a_dat", "notesdat"}));
    EXPECT_TRUE(messages.empty());
    backup.Unload();
}

TEST_F(BackupDialogs, OkSavesTheBackupAnimatesAndCloses) {
    Backup backup(folder);
    backup.Load();
    backup.Text1.SetText("mine");
    Click(backup.Command1);
    EXPECT_EQ(FolderState(folder).count("mine.dat"), 1u);
    EXPECT_FALSE(backup.Command1.Enabled());
    EXPECT_TRUE(backup.Timer1.Enabled());
    EXPECT_EQ(GetParent(backup.ProgressBar1.hwnd()), backup.StatusBar1.hwnd());
    Click(backup.Command1);  // disabled: no second backup, no second animation
    EXPECT_EQ(TicksUntilUnloaded(backup), 21);
    EXPECT_FALSE(backup.Loaded());
    EXPECT_TRUE(messages.empty());
}

class BackupKeys : public BackupDialogs {
protected:
    void SetUp() override {
        if (!keys::OnTheirDisplay()) GTEST_SKIP() << "runs on the keyboard's display only";
        BackupDialogs::SetUp();
    }
    const char* FolderName() const override { return "backup-keys"; }
};

TEST_F(BackupKeys, TakeKeysAsDialogsDo) {
    Touch("older.dat");
    for (bool restoring : {false, true}) {
        Backup backup(folder);
        Restore restore(folder);
        BackupDialog& dialog = restoring ? static_cast<BackupDialog&>(restore) : backup;
        dialog.Show();
        EXPECT_TRUE(dialog.Command1.DefaultLook());
        keys::Type(restoring ? "old" : "cod");  // no letter presses a button
        EXPECT_EQ(dialog.Text1.Text(), restoring ? "old" : "cod");
        EXPECT_TRUE(dialog.Loaded());
        EXPECT_FALSE(dialog.Timer1.Enabled());
        keys::Press(VK_ESCAPE);
        EXPECT_FALSE(dialog.Loaded()) << "Esc presses \"&Cancel\"";
    }
    EXPECT_TRUE(messages.empty());

    Backup backup(folder);
    backup.Show();
    ClickEntry(backup.List1, 0);
    SetFocus(backup.Command3.hwnd());
    EXPECT_TRUE(backup.Command3.DefaultLook());
    EXPECT_FALSE(backup.Command1.DefaultLook());
    keys::Press(VK_RETURN);  // on "&Delete": that one
    EXPECT_TRUE(FolderState(folder).empty());
    EXPECT_TRUE(backup.Loaded());
    SetFocus(backup.Text1.hwnd());
    backup.Text1.SetText("");
    keys::Type("mine");
    keys::Press(VK_RETURN);  // in the name: "&OK"
    EXPECT_EQ(FolderState(folder).count("mine.dat"), 1u);
    EXPECT_TRUE(backup.Timer1.Enabled());
    backup.Unload();

    backup.Show();
    Click(backup.Command1);  // "&OK" disables itself and hands the focus on
    EXPECT_EQ(keys::FocusName(), "Command2");
    backup.Unload();
}

TEST_F(BackupDialogs, AnEmptyNameOnlyPutsTheFocusInTheNameBox) {
    std::string inner = folder + "\\inner";
    Backup backup(inner);
    Restore restore(folder);
    for (BackupDialog* dialog : {static_cast<BackupDialog*>(&backup), static_cast<BackupDialog*>(&restore)}) {
        dialog->Load();
        dialog->Show();
        dialog->Text1.SetText("");
        SetFocus(dialog->Command2.hwnd());
        Click(dialog->Command1);
        EXPECT_EQ(GetFocus(), dialog->Text1.hwnd());
        EXPECT_TRUE(dialog->Loaded());
        EXPECT_FALSE(dialog->Timer1.Enabled());
        dialog->Unload();
    }
    EXPECT_EQ(GetFileAttributesA(inner.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(messages.empty());
}

TEST_F(BackupDialogs, RefusalsAreToldAndTheDialogStaysOpen) {
    Touch("keep.dat");
    auto files = FolderState(folder);
    Backup backup(folder);
    backup.Load();
    backup.Text1.SetText("..\\escape");
    Click(backup.Command1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Brenvik: The name \"..\\escape\" cannot be used for a backup", 0), 0u);
    EXPECT_TRUE(backup.Loaded());
    EXPECT_TRUE(backup.Command1.Enabled());
    backup.Unload();
    Restore restore(folder);
    restore.Load();
    restore.Text1.SetText("nowhere");
    Click(restore.Command1);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].find("does not exist"), std::string::npos);
    EXPECT_FALSE(restore.Timer1.Enabled());
    restore.Text1.SetText("keep");  // an empty file is no backup
    Click(restore.Command1);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[2].find("is damaged"), std::string::npos);
    restore.Unload();
    EXPECT_EQ(FolderState(folder), files);
}

TEST_F(BackupDialogs, RestorePutsTheSavedValuesBackAndCloses) {
    SetDefaultTTLNT(64);
    SetTcpWindowSizeNT(8760);
    ASSERT_TRUE(backup::SaveBackup(folder, "saved", COpSysInfo()).done);
    RegSnapshot before = RegistryState();
    SetDefaultTTLNT(32);
    SetSackOptsNT(1);
    Restore restore(folder);
    restore.Load();
    EXPECT_EQ(restore.Text1.Text(), "saved");
    Click(restore.Command1);
    EXPECT_EQ(Differences(before, RegistryState()), "");
    EXPECT_EQ(TicksUntilUnloaded(restore), 21);
    EXPECT_TRUE(messages.empty());
}

// A restore that the registry refused in part is told however the dialog ends: at the end of
// the animation, by "&Cancel" or by closing it before then.
TEST_F(BackupDialogs, ARestoreRefusedInPartIsToldHoweverTheDialogEnds) {
    if (IsNTFamily())
        SetDefaultTTLNT(64);
    else
        SetIPMTU98("0000", "NetTrans\\0000", "1500");
    ASSERT_TRUE(backup::SaveBackup(folder, "saved", COpSysInfo()).done);
    struct Case { const char* end; std::function<void(Restore&)> ending; };
    const Case cases[] = {
        {"animation", [](Restore& restore) { TicksUntilUnloaded(restore); }},
        {"&Cancel", [](Restore& restore) { Click(restore.Command2); }},
        {"closed", [](Restore& restore) { SendMessageA(restore.hwnd(), WM_CLOSE, 0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.end);
        messages.clear();
        Restore restore(folder);
        restore.Load();
        {
            RefusedWrites refused;
            Click(restore.Command1);
        }
        SendMessageA(restore.hwnd(), WM_TIMER, restore.Timer1.Id(), 0);
        EXPECT_TRUE(messages.empty()) << "told before the dialog ends";
        c.ending(restore);
        EXPECT_FALSE(restore.Loaded());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find("could not restore some settings"), std::string::npos);
    }
}

namespace {

// Runs inside the main window's modal loop: records the dialog shown, then ends it.
struct ModalProbe {
    static std::string caption;
    static bool ownerDisabled;
    static frmMain* main;
    static bool useExit;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        HWND dialog = nullptr;
        for (const char* name : {"Brenvik Backup", "Brenvik Restore"})
            if (HWND found = FindWindowA(nullptr, name)) dialog = found, caption = name;
        ownerDisabled = !IsWindowEnabled(main->hwnd());
        if (useExit)
            main->mnuExit_Click();
        else if (dialog)
            PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
};
std::string ModalProbe::caption;
bool ModalProbe::ownerDisabled = false;
frmMain* ModalProbe::main = nullptr;
bool ModalProbe::useExit = false;

}  // namespace

TEST_F(BackupDialogs, MainWindowOpensThemModallyAndExitUnloadsThem) {
    frmMain main;
    main.Load();
    ModalProbe::main = &main;
    struct Case { void (frmMain::*open)(); const char* caption; bool exit; };
    const Case cases[] = {{&frmMain::mnuBackup_Click, "Brenvik Backup", false},
                          {&frmMain::mnuRestore_Click, "Brenvik Restore", false},
                          {&frmMain::mnuBackup_Click, "Brenvik Backup", true}};
    for (const Case& c : cases) {
        ModalProbe::caption.clear();
        ModalProbe::useExit = c.exit;
        SetTimer(nullptr, 0, 300, ModalProbe::Tick);
        (main.*c.open)();
        EXPECT_EQ(ModalProbe::caption, c.caption);
        EXPECT_TRUE(ModalProbe::ownerDisabled);
        EXPECT_EQ(FindWindowA(nullptr, c.caption), nullptr);
    }
    EXPECT_FALSE(main.Loaded());  // "E&xit" unloaded the main window after the dialog
}
