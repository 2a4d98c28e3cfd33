#include "ui/AnsiText.h"

namespace ui {

namespace {

// Where the last separator starts; npos when there is none.
size_t LastSeparator(const std::string& path, UINT codePage) {
  size_t last = std::string::npos;
  for (size_t at = 0; at < path.size(); at = NextCharacter(path, at, codePage))
    if (path[at] == '\\' || path[at] == '/') last = at;
  return last;
}

}  // namespace

size_t NextCharacter(const std::string& text, size_t at, UINT codePage) {
  if (at >= text.size()) return text.size();
  bool pair = at + 1 < text.size() && text[at + 1] != '\0' &&
              IsDBCSLeadByteEx(codePage, BYTE(text[at]));
  return at + (pair ? 2 : 1);
}

bool IsNTFamily() { return (GetVersion() & 0x80000000) == 0; }

size_t PathLength(const std::string& path, UINT codePage, bool ntFamily) {
  if (!ntFamily) return path.size();
  size_t characters = 0;
  for (size_t at = 0; at < path.size(); at = NextCharacter(path, at, codePage)) ++characters;
  return characters;
}

std::string FolderOf(const std::string& path, UINT codePage) {
  size_t separator = LastSeparator(path, codePage);
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

std::string FileNameOf(const std::string& path, UINT codePage) {
  size_t separator = LastSeparator(path, codePage);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

// A path that does not fit is cut, and Windows then writes no closing NUL (XP) or ends it one
// byte early (Vista on); so the buffer grows until a byte is left over. A path of 260 characters
// takes up to 520 bytes in a double-byte code page, and one of the long form up to 64 KiB.
std::string ModuleFileName(HMODULE module) {
  constexpr size_t Largest = 1 << 17;
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(module, &path[0], DWORD(path.size()));
    if (length + 1 < path.size() || path.size() >= Largest) {
      path.resize(length < path.size() ? length : 0);
      return path;
    }
    path.assign(path.size() * 2, '\0');
  }
}

}  // namespace ui
