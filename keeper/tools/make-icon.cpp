// Build-host tool: writes the program icon as a 32 x 32, 256-colour .ico file.
#include "keeper/KeeperArt.h"

#include <cstdio>
#include <vector>

namespace {
void Put16(std::vector<unsigned char>& out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<unsigned char>& out, unsigned v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-icon OUTPUT.ico\n");
        return 2;
    }
    using namespace KeeperArt;
    const Picture picture = ProgramIcon();
    const unsigned maskStride = 4;   // 32 bits a row, already a multiple of 4 bytes
    const unsigned imageBytes = 40 + 256 * 4 + Size * Size + maskStride * Size;

    std::vector<unsigned char> out;
    Put16(out, 0); Put16(out, 1); Put16(out, 1);                 // ICONDIR: one icon
    out.push_back(Size); out.push_back(Size); out.push_back(0); out.push_back(0);
    Put16(out, 1); Put16(out, 8); Put32(out, imageBytes); Put32(out, 6 + 16);
    Put32(out, 40); Put32(out, Size); Put32(out, Size * 2);      // BITMAPINFOHEADER, XOR + AND
    Put16(out, 1); Put16(out, 8); Put32(out, 0); Put32(out, Size * Size + maskStride * Size);
    Put32(out, 0); Put32(out, 0); Put32(out, 256); Put32(out, 0);
    for (unsigned i = 0; i < 256; ++i) {
        const Rgb c = i < Palette.size() && i != Clear ? Palette[i] : Rgb{0, 0, 0};
        out.push_back(c.b); out.push_back(c.g); out.push_back(c.r); out.push_back(0);
    }
    for (int y = Size - 1; y >= 0; --y)                            // bottom-up rows
        for (int x = 0; x < Size; ++x)
            out.push_back(picture[y * Size + x] == Clear ? 0 : picture[y * Size + x]);
    for (int y = Size - 1; y >= 0; --y)
        for (int byte = 0; byte < 4; ++byte) {
            unsigned char bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (picture[y * Size + byte * 8 + bit] == Clear)
                    bits |= 0x80 >> bit;
            out.push_back(bits);
        }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(out.data(), 1, out.size(), file) != out.size()) {
        std::fprintf(stderr, "make-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return std::fclose(file) == 0 ? 0 : 1;
}
