#include "backup/BackupNames.h"

#include "ui/AnsiText.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace backup {

namespace {

constexpr size_t MaxPath = 259;  // characters of a full path, without the closing NUL
const std::string Extension = ".dat";

bool IsReservedDevice(const std::string& name) {
    // The device names are reserved with any extension, and with blanks before it.
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    static const std::array<const char*, 4> plain = {"CON", "PRN", "AUX", "NUL"};
    for (const char* device : plain)
        if (base == device) return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

// A file name that ends in a dot or a blank is refused too, which ".dat" rules out.
std::string NameProblem(const std::string& name, size_t folderLength, UINT codePage,
                        bool ntFamily) {
    if (name.empty()) return "it is empty";
    const std::string file = name + Extension;
    for (size_t at = 0, next; at < file.size(); at = next) {
        next = ui::NextCharacter(file, at, codePage);
        if (next - at > 1) continue;  // a double-byte character, whatever its second byte
        unsigned char c = file[at];
        if (c < 32) return "it contains a control character";
        if (std::string("\\/:*?\"<>|").find(char(c)) != std::string::npos)
            return std::string("it contains the character ") + char(c) +
                   ", which Windows does not allow in file names";
    }
    if (IsReservedDevice(file)) return "Windows reserves that name for a device";
    if (folderLength + 1 + ui::PathLength(file, codePage, ntFamily) > MaxPath)
        return "the full path of its file would be too long";
    return "";
}

bool IsListedBackup(const std::string& fileName) {
    return fileName.size() > Extension.size() &&
           fileName.compare(fileName.size() - Extension.size(), Extension.size(), Extension) == 0;
}

std::string ShownName(const std::string& fileName) {
    return fileName.substr(0, fileName.size() - Extension.size());
}

std::string DateForName(const std::string& shortDate) {
    std::string date = shortDate;
    std::replace(date.begin(), date.end(), '.', '_');
    std::replace(date.begin(), date.end(), '/', '_');
    return date;
}

std::string ProposedName(const std::string& shortDate,
                         const std::function<bool(const std::string&)>& exists) {
    std::string date = DateForName(shortDate);
    for (int n = 1;; ++n) {
        std::string name = date + "_" + std::to_string(n);
        if (!exists(name + ".dat")) return name;
    }
}

}  // namespace backup
