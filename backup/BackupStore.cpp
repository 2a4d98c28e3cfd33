#include "backup/BackupStore.h"

#include "backup/BackupFile.h"
#include "backup/BackupNames.h"
#include "backup/BackupSettings.h"
#include "settings/RegFunctions.h"
#include "ui/AnsiText.h"
#include "ui/App.h"

namespace backup {

namespace {

constexpr DWORD MaxFileRead = 64 * 1024;  // far more than the largest layout reads

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

std::string Refusal(const std::string& name, const std::string& problem, const char* consequence) {
    return "The name " + Quoted(name) + " cannot be used for a backup: " + problem + ". " +
           consequence;
}

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsReadOnly(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool EnsureFolder(const std::string& folder) {
    DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return attributes & FILE_ATTRIBUTE_DIRECTORY;
    return CreateDirectoryA(folder.c_str(), nullptr) != 0;
}

bool ReadWholeFile(const std::string& path, Bytes& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.assign(MaxFileRead, 0);
    DWORD read = 0;
    BOOL ok = ReadFile(file, bytes.data(), MaxFileRead, &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return ok != 0;
}

bool WriteAt(HANDLE file, int number, const Record& record) {
    DWORD written = 0;
    return SetFilePointer(file, LONG((number - 1) * RecordSize), nullptr, FILE_BEGIN) !=
               INVALID_SET_FILE_POINTER &&
           WriteFile(file, record.data(), DWORD(record.size()), &written, nullptr) &&
           written == record.size();
}

bool WriteRecordsInto(const std::string& path, const std::vector<std::pair<int, Record>>& records) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    for (const auto& [number, record] : records) ok = ok && WriteAt(file, number, record);
    ok = ok && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

std::string FileName(const std::string& path) { return ui::FileNameOf(path); }

// Where a save left the files it could not put in their place; empty names when it left none.
struct Placed {
    bool done = false;
    std::string oldAt;  // the earlier backup, when it is no longer under its name
    std::string newAt;  // the new backup, when it did not get the name
    std::string emptyAt;  // the empty file that reserved a free name, when it could not be deleted
};

// A new empty file in the folder, named as GetTempFileNameA names them: the prefix, four
// hexadecimal digits and ".tmp". GetTempFileNameA itself hands its answer back in MAX_PATH bytes,
// cut short and unended where a folder in a double-byte code page takes more. Empty text when none
// can be made.
std::string NewTempFile(const std::string& folder, const char* prefix) {
    for (unsigned n = 1; n <= 0xFFFF; ++n) {
        std::string path = folder + "\\" + prefix;
        for (int shift = 12; shift >= 0; shift -= 4) path += "0123456789ABCDEF"[(n >> shift) & 0xF];
        path += ".tmp";
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return path;
        }
        DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return "";
    }
    return "";
}

// A name in the folder that no file has: MoveFileA renames only onto a free name. The empty file
// that reserves it must go first; when it cannot, there is no name, and `kept` names the file.
std::string FreeName(const std::string& folder, std::string& kept) {
    std::string path = NewTempFile(folder, "old");
    if (path.empty() || DeleteFileA(path.c_str())) return path;
    kept = path;
    return "";
}

// Windows 95, 98 and Me know no MoveFileEx. The earlier backup steps aside while the new file
// takes its name, and comes back if that is refused; if even that is refused, both files stay
// where they are, for the message to name.
Placed RenameOver(const std::string& folder, const std::string& from, const std::string& to) {
    if (!IsFile(to)) return {MoveFileA(from.c_str(), to.c_str()) != 0, "", "", ""};
    Placed refused;
    std::string aside = FreeName(folder, refused.emptyAt);
    if (aside.empty() || !MoveFileA(to.c_str(), aside.c_str())) return refused;
    if (MoveFileA(from.c_str(), to.c_str()))
        return {true, DeleteFileA(aside.c_str()) ? "" : aside, "", ""};
    if (MoveFileA(aside.c_str(), to.c_str())) return {};
    return {false, aside, from, ""};
}

Placed Replace(const std::string& folder, const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {true, "", "", ""};
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return {};
    return RenameOver(folder, from, to);
}

// The records go into a copy of the file (or a new one) beside it, which then replaces the file.
// The copy is deleted after a failure only while the old backup still has its name.
Placed WriteBackupFile(const std::string& folder, const std::string& path,
                       const std::vector<std::pair<int, Record>>& records) {
    std::string temp = NewTempFile(folder, "bak");
    if (temp.empty()) return {};
    Placed placed;
    if ((!IsFile(path) || CopyFileA(path.c_str(), temp.c_str(), FALSE)) &&
        WriteRecordsInto(temp, records))
        placed = Replace(folder, temp, path);
    if (!placed.done && placed.newAt.empty()) DeleteFileA(temp.c_str());
    return placed;
}

// What a save that went wrong, or left a file behind, tells the user about the folder.
Outcome SaveOutcome(const std::string& folder, const std::string& name, const Placed& placed) {
    std::string in = " in the folder " + Quoted(folder) + ".";
    if (placed.done && placed.oldAt.empty()) return {true, ""};
    if (placed.done)
        return {true, "The backup " + Quoted(name) + " was saved, but Brenvik could not delete "
                      "the earlier backup of that name, which is now the file " +
                          Quoted(FileName(placed.oldAt)) + in};
    std::string empty;
    if (!placed.emptyAt.empty())
        empty = " Brenvik could not delete the empty file " + Quoted(FileName(placed.emptyAt)) +
                " it made" + in;
    if (placed.newAt.empty())
        return {false, "Brenvik could not write the backup " + Quoted(name) +
                           ". Any earlier backup of that name is unchanged." + empty};
    return {false, "Brenvik could not write the backup " + Quoted(name) +
                       ", nor put the earlier backup back under its name. The earlier backup is "
                       "now the file " + Quoted(FileName(placed.oldAt)) + " and the new one the "
                       "file " + Quoted(FileName(placed.newAt)) + in + " Rename either to " +
                       Quoted(FileName(BackupPath(folder, name))) + " to keep it as the backup " +
                       Quoted(name) + "."};
}

}  // namespace

std::string DefaultBackupFolder() { return ui::ProgramFolder() + "\\backup"; }

std::string BackupPath(const std::string& folder, const std::string& name) {
    return folder + "\\" + name + ".dat";
}

Listing::Listing(const std::string& pattern) {
    handle_ = FindFirstFileA(pattern.c_str(), &data_);
    Settle(handle_ != INVALID_HANDLE_VALUE);
}

Listing::~Listing() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
}

void Listing::Next() {
    Settle(handle_ != INVALID_HANDLE_VALUE && FindNextFileA(handle_, &data_));
}

void Listing::Settle(bool found) {
    const DWORD skipped = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    while (found && (data_.dwFileAttributes & skipped)) found = FindNextFileA(handle_, &data_);
    current_ = found ? data_.cFileName : "";
}

std::vector<std::string> ListBackups(const std::string& folder) {
    std::vector<std::string> names;
    for (Listing listing(folder + "\\*.*"); !listing.Current().empty(); listing.Next())
        if (IsListedBackup(listing.Current())) names.push_back(ShownName(listing.Current()));
    return names;
}

Outcome SaveBackup(const std::string& folder, const std::string& name, const COpSysInfo& system) {
    std::string problem = NameProblem(name, ui::PathLength(folder));
    if (!problem.empty()) return {false, Refusal(name, problem, "No backup was written.")};
    EncodedBackup encoded = EncodeBackup(ReadSettings(system));
    if (!encoded.tooLong.empty())
        return {false, "The value " + encoded.tooLong + " is too long to be kept in a backup. " +
                           "The backup " + Quoted(name) + " was not written."};
    if (!EnsureFolder(folder))
        return {false, "Brenvik could not create the backup folder " + Quoted(folder) + "."};
    // Asked before any copy is made: the copy would be read-only too, so the writes into it would
    // fail and it could not be deleted, and some systems replace a read-only file regardless.
    if (IsReadOnly(BackupPath(folder, name)))
        return {false, "The backup " + Quoted(name) + " is read-only, so Brenvik cannot save over "
                       "it. The backup is unchanged."};
    Placed placed = WriteBackupFile(folder, BackupPath(folder, name), encoded.records);
    return SaveOutcome(folder, name, placed);
}

Outcome RestoreBackup(const std::string& folder, const std::string& name, const COpSysInfo& system) {
    const char* nothing = "Nothing was restored.";
    std::string problem = NameProblem(name, ui::PathLength(folder));
    if (!problem.empty()) return {false, Refusal(name, problem, nothing)};
    std::string path = BackupPath(folder, name);
    if (!IsFile(path))
        return {false, "The backup " + Quoted(name) + " does not exist. " + nothing};
    Bytes file;
    if (!ReadWholeFile(path, file))
        return {false, "Brenvik could not read the backup " + Quoted(name) + ". " + nothing};
    Layout layout = LayoutFor(system);
    switch (CheckBackupFile(file, layout)) {
    case FileVerdict::OtherLayout:
        return {false, "The backup " + Quoted(name) +
                           " is not a backup of the settings of this Windows. " + nothing};
    case FileVerdict::Damaged:
        return {false, "The backup " + Quoted(name) + " is damaged. " + nothing};
    case FileVerdict::Valid: break;
    }
    unsigned failures = RegFailureCount();
    RestoreSettings(*ReadBackupFile(file, layout));
    if (RegFailureCount() != failures)
        return {true, "Brenvik could not restore some settings to the registry. "
                      "Run it as an administrator and try again."};
    return {true, ""};
}

namespace {

// Why Windows kept the file of a backup, in words; empty when the file is gone, deleted here or by
// someone else before. Only the deletion's own error says the latter: a look-up also fails on a
// folder that has become unreachable, or a file access is denied to.
std::string DeleteBackupFile(const std::string& path, const std::string& name, size_t& deleted) {
    if (DeleteFileA(path.c_str())) {
        ++deleted;
        return "";
    }
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return "";
    if (IsReadOnly(path)) return "The backup " + Quoted(name) + " is read-only.";
    if (error == ERROR_SHARING_VIOLATION)
        return "The backup " + Quoted(name) + " is in use by another program.";
    return "Windows gave error " + std::to_string(error) + " when asked to delete the backup " +
           Quoted(name) + ".";
}

}  // namespace

// A name that is refused, or whose file Windows keeps, stays with its file: the others are deleted
// all the same, and the message names each that stayed.
Outcome DeleteBackups(const std::string& folder, const std::vector<std::string>& names) {
    std::string told;
    size_t deleted = 0;
    for (const std::string& name : names) {
        std::string problem = NameProblem(name, ui::PathLength(folder));
        if (!problem.empty())
            told += Refusal(name, problem, "It was not deleted.") + "\n";
        else if (std::string kept = DeleteBackupFile(BackupPath(folder, name), name, deleted);
                 !kept.empty())
            told += kept + " It was not deleted.\n";
    }
    if (told.empty()) return {true, ""};
    if (deleted > 0) told += "The other chosen backups were deleted.\n";
    told.pop_back();
    return {deleted > 0, told};
}

}  // namespace backup
