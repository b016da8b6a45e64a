// The program icon: its source, square pixel masks drawn as text, and the .ico
// file built from them.
//
// Mask text: each drawing starts with a line "size N" and is followed by N rows
// of N characters, top row first, one character per pixel: '#' for the clef and
// the staff lines, '.' for the background. Lines starting with ';' are comments;
// blank lines are skipped. The text holds exactly one drawing of each size in
// kSizes, in any order.
//
// The icon holds, for each size from the largest, a 16-colour, a 256-colour and
// a 24-bit image, each fully opaque.
#ifndef SONIVEL_TOOLS_ICONFILE_H
#define SONIVEL_TOOLS_ICONFILE_H

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace iconfile {

// The drawing sizes, in the order the icon holds them.
constexpr std::array<int, 3> kSizes = {48, 32, 16};

// The bits per pixel of each size's images, in the order the icon holds them.
constexpr std::array<int, 3> kBitCounts = {4, 8, 24};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb kBackground = {0, 0, 128};
// The clef and lines colour of the 16-colour and 24-bit images.
constexpr Rgb kInk = {255, 255, 0};
// The clef and lines colour of the 256-colour images.
constexpr Rgb kInk256 = {255, 255, 51};

// One square drawing.
struct Mask {
    int size = 0;
    std::vector<bool> ink;  // size * size pixels, row by row from the top

    bool At(int x, int y) const { return ink[static_cast<std::size_t>(y * size + x)]; }
};

// What is wrong with a mask text; the message names the line at fault.
class MaskError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The drawings of a mask text, in kSizes order. Throws MaskError if the text
// is malformed.
std::vector<Mask> ParseMasks(std::string_view text);

// The colour the clef and lines take in an image of the given bits per pixel.
Rgb InkFor(int bitCount);

// The .ico file: for each mask in turn, one image per entry of kBitCounts.
std::vector<std::uint8_t> BuildIcon(const std::vector<Mask>& masks);

}  // namespace iconfile

#endif
