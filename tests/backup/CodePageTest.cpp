// Under the Japanese code page 932 (Shift-JIS), where the second byte of a character may be that
// of "\" or "|": code-page-932.sh runs this program as ソフト.exe and from a folder that takes more
// than MAX_PATH bytes.
#include "backup/BackupStore.h"
#include "ui/App.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The program's folder as Windows gives it in UTF-16, where no byte can be mistaken for "\".
std::string FolderFromWidePath() {
    std::vector<wchar_t> path(32768);
    DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    std::wstring folder(path.data(), length);
    folder.erase(folder.rfind(L'\\'));
    std::string bytes(folder.size() * 2, '\0');
    int size = WideCharToMultiByte(CP_ACP, 0, folder.data(), int(folder.size()), &bytes[0],
                                   int(bytes.size()), nullptr, nullptr);
    bytes.resize(size);
    return bytes;
}

class CodePage932 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "runs under the Japanese code page (LC_ALL=ja_JP.UTF-8) only";
    }
};

TEST_F(CodePage932, TheProgramFolderIsReadWholeAndSplitByCharacter) {
    const std::string folder = FolderFromWidePath();
    EXPECT_EQ(ui::ProgramFolder(), folder);
    EXPECT_EQ(backup::DefaultBackupFolder(), folder + "\\backup");
}

TEST_F(CodePage932, NamesWithTheByteOfABackslashAreBackedUpRestoredAndDeleted) {
    const std::string folder = backup::DefaultBackupFolder();
    const COpSysInfo system;
    for (const char* name : {"\x95\x5c\x8e\xa6", "\x83\x7c\x81\x5b\x83\x67", "\x94\x5c\x97\xcd"}) {
        SCOPED_TRACE(name);  // 表示, ポート, 能力
        backup::Outcome saved = backup::SaveBackup(folder, name, system);
        EXPECT_TRUE(saved.done) << saved.message;
        std::vector<std::string> listed = backup::ListBackups(folder);
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end());
        backup::Outcome restored = backup::RestoreBackup(folder, name, system);
        EXPECT_TRUE(restored.done) << restored.message;
        backup::Outcome deleted = backup::DeleteBackups(folder, {name});
        EXPECT_EQ(deleted.message, "");
        EXPECT_EQ(GetFileAttributesA(backup::BackupPath(folder, name).c_str()),
                  INVALID_FILE_ATTRIBUTES);
    }
}

}  // namespace
