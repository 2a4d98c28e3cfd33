#include "backup/Backup.h"

#include "backup/BackupNames.h"

namespace {

std::string ShortDate() {
    char text[80] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
    return text;
}

}  // namespace

Backup::Backup(std::string folder)
    : BackupDialog({"Brenvik Backup", "Backup File", 150, "backup.htm"}, std::move(folder)) {}

std::string Backup::StartListing() {
    listing_ = std::make_unique<backup::Listing>(Folder() + "\\*.*");
    return listing_->Current();
}

bool Backup::FileExist(std::string& pathname, const std::string& filename) {
    bool result = false;
    while (!pathname.empty()) {
        if (pathname == filename) result = true;
        listing_->Next();
        pathname = listing_->Current();
    }
    return result;
}

void Backup::Form_Load() {
    SetMousePointer(ui::Pointer::Default);
    Text1.SetText(backup::ProposedName(ShortDate(), [this](const std::string& file) {
        BackupListing = StartListing();
        return FileExist(BackupListing, file);
    }));
    listing_.reset();
    FillList();
    ProgressBar1.SetVisible(false);
    ProgressBar1.SetMax(100);
    Timer1.SetEnabled(false);
}

void Backup::Command1_Click() {
    system_ = COpSysInfo();
    if (Text1.Text().empty()) {
        SetFocus(Text1.hwnd());
        return;
    }
    backup::Outcome outcome = backup::SaveBackup(Folder(), Text1.Text(), system_);
    if (!outcome.done) {
        Tell(outcome.message);
        return;
    }
    tellAtUnload_ = outcome.message;  // the earlier backup of that name stayed beside it
    StartAnimation();
}
