// The keeper's pictures as 32 x 32 grids of palette indices: the program icon and the 16 tray
// images. Plain C++ so that the build host can also turn the program icon into an .ico file.
#pragma once
#include <array>
#include <cstdint>

namespace KeeperArt {

constexpr int Size = 32;
constexpr int TrayImageCount = 16;
constexpr int StaticImage = 16;

enum Colour : uint8_t { Clear, Black, DarkGray, Gray, White, Screen, Blue, Red, Cyan, ColourCount };

struct Rgb {
    uint8_t r, g, b;
};
extern const std::array<Rgb, ColourCount> Palette;

// Row 0 is the top row.
using Picture = std::array<uint8_t, Size * Size>;

// Tray image n (1 to 16): a blue request going up the right-hand side in 1 to 7, none in 8, the red
// answer coming down the left-hand side in 9 to 15, none in 16.
Picture TrayImage(int n);
// The program icon: both computers with a red arrow down the left and a cyan arrow up the right.
Picture ProgramIcon();

}
