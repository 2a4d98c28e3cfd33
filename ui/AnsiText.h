// Names and paths in the ANSI code page, walked by character. In a double-byte code page
// (Japanese, Chinese, Korean) the second byte of a character may be the byte of "\" or "|", so a
// name or a path is searched only where a character starts.
#pragma once
#include <windows.h>

#include <string>

namespace ui {

// Where the character after the one that starts at `at` begins, as CharNextA walks.
size_t NextCharacter(const std::string& text, size_t at, UINT codePage = CP_ACP);

bool IsNTFamily();
// A path's length as Windows holds it to MAX_PATH: the NT family counts characters, Windows 95, 98
// and Me count bytes.
size_t PathLength(const std::string& path, UINT codePage = CP_ACP, bool ntFamily = IsNTFamily());

// The path before its last "\" or "/"; empty text when it has none.
std::string FolderOf(const std::string& path, UINT codePage = CP_ACP);
// The path after its last "\" or "/"; the whole path when it has none.
std::string FileNameOf(const std::string& path, UINT codePage = CP_ACP);

// The full path of the module's file, however long; empty text when Windows gives none.
std::string ModuleFileName(HMODULE module = nullptr);

}  // namespace ui
