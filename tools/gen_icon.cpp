// Writes the program icon from its text masks (the format is described in
// IconFile.h): nine images, 48, 32 and 16 pixels square, each in 16 colours,
// 256 colours and 24 bits.
//
//   gen_icon <masks.txt> <out.ico>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "IconFile.h"

namespace {

std::optional<std::string> ReadText(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return text;
}

bool WriteBytes(const char* path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: gen_icon <masks.txt> <out.ico>\n"
                     "  masks.txt holds one drawing per size (48, 32, 16): a line \"size N\", then N rows\n"
                     "  of N pixels, '#' for the clef and lines, '.' for the background; ';' starts a comment.\n");
        return 2;
    }
    const auto text = ReadText(argv[1]);
    if (!text) {
        std::fprintf(stderr, "gen_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<iconfile::Mask> masks;
    try {
        masks = iconfile::ParseMasks(*text);
    } catch (const iconfile::MaskError& e) {
        std::fprintf(stderr, "gen_icon: %s: %s\n", argv[1], e.what());
        return 1;
    }
    if (!WriteBytes(argv[2], iconfile::BuildIcon(masks))) {
        std::fprintf(stderr, "gen_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
