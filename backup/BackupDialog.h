// What the Backup and Restore dialogs share: the controls, the list of saved backups with
// "&Delete", "&Cancel", the list click, and the progress animation in the status bar that ends
// by unloading the dialog.
#pragma once
#include "settings/OpSysInfo.h"
#include "ui/UI.h"

#include <string>

class BackupDialog : public ui::Form {
public:
    void Form_Unload(int& cancel) override;
    virtual void Command1_Click() = 0;
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void List1_Click();
    void Timer1_Timer();
    void ShowProgressInStatus(bool show);

    const std::string& Folder() const { return folder_; }

    ui::Frame Frame1;
    ui::Label Label1, Label2;
    ui::TextBox Text1;
    ui::ListBox List1;
    ui::Button Command1, Command2, Command3, Command4;
    ui::StatusBar StatusBar1;
    ui::ProgressBar ProgressBar1;
    ui::Timer Timer1;

protected:
    struct Design {
        const char* caption;
        const char* label1;
        int interval;      // of Timer1, ms
        const char* topic;  // help topic
    };
    BackupDialog(const Design& design, std::string folder);
    void CreateControls() override;

    // List filling: the saved backups, in the order of the folder's listing.
    void FillList();
    // Shows a message box titled as the program's others.
    void Tell(const std::string& message);
    // Steps after the registry or file work: the animation starts and "&OK" waits for its end.
    void StartAnimation();
    // Something to tell when the dialog unloads, whether the animation ended or not.
    std::string tellAtUnload_;

    COpSysInfo system_;

private:
    Design design_;
    std::string folder_;
};
