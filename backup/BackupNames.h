// Backup names: which typed names may become file names, which files are listed as backups, and
// the name proposed for a new backup.
#pragma once
#include "ui/AnsiText.h"

#include <cstddef>
#include <functional>
#include <string>

namespace backup {

// Why a backup name cannot become the file <folder>\<name>.dat, in words for the user; empty
// text when it can. Windows judges the whole file name, so "x." is a name: its file is "x..dat".
// folderLength is the backup folder's ui::PathLength, which is what Windows limits; the name is
// read in the code page given, and its length counted as that Windows family counts it.
std::string NameProblem(const std::string& name, size_t folderLength, UINT codePage = CP_ACP,
                        bool ntFamily = ui::IsNTFamily());

// A file of the backup folder is listed when its name ends in ".dat" (in that case) and leaves a
// name once that is taken off: the name's own file is then the file listed.
bool IsListedBackup(const std::string& fileName);
std::string ShownName(const std::string& fileName);

// The short date with its dots and slashes turned into underscores: 12/8/2026 gives 12_8_2026.
std::string DateForName(const std::string& shortDate);
// The date, "_" and the first n from 1 up for which exists(<that name>.dat) is false.
std::string ProposedName(const std::string& shortDate,
                         const std::function<bool(const std::string&)>& exists);

}  // namespace backup
