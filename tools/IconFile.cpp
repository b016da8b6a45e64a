#include "IconFile.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>
#include <utility>

namespace iconfile {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr char kInkPixel = '#';
constexpr char kBackgroundPixel = '.';
constexpr char kComment = ';';
constexpr std::string_view kSizeKeyword = "size ";

// ---- Reading the mask text ----

struct Line {
    int number;  // from 1
    std::string_view text;
};

[[noreturn]] void Fail(int lineNumber, const std::string& what)
{
    throw MaskError("line " + std::to_string(lineNumber) + ": " + what);
}

std::string SizeName(int size)
{
    return std::to_string(size) + " x " + std::to_string(size);
}

std::string SizeList()
{
    std::string list;
    for (int size : kSizes) {
        list += ' ';
        list += std::to_string(size);
    }
    return list;
}

bool IsBlank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The lines that carry a header or a pixel row, without line ends.
std::vector<Line> ContentLines(std::string_view text)
{
    std::vector<Line> lines;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!IsBlank(line) && line.front() != kComment)
            lines.push_back({number, line});
    }
    return lines;
}

bool IsHeader(const Line& line)
{
    return line.text.starts_with(kSizeKeyword);
}

// The size a "size N" line announces; it must be one of kSizes.
int ParseHeader(const Line& line)
{
    const std::string_view digits = line.text.substr(kSizeKeyword.size());
    int size = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
    if (error != std::errc() || end != digits.data() + digits.size())
        Fail(line.number, "\"" + std::string(line.text) + "\" is not \"size N\"");
    if (std::find(kSizes.begin(), kSizes.end(), size) == kSizes.end())
        Fail(line.number, "the icon has no " + SizeName(size) + " image (its sizes are" + SizeList() + ")");
    return size;
}

// Appends the pixels of one row of a drawing of the given size.
void ParseRow(const Line& line, int size, std::vector<bool>& ink)
{
    if (line.text.size() != static_cast<std::size_t>(size))
        Fail(line.number, "a row of " + std::to_string(line.text.size()) + " pixels in the " + SizeName(size) +
                              " drawing");
    for (std::size_t x = 0; x < line.text.size(); ++x) {
        const char c = line.text[x];
        if (c != kInkPixel && c != kBackgroundPixel)
            Fail(line.number, "unknown character '" + std::string(1, c) + "' in column " + std::to_string(x + 1) +
                                  " (a pixel is '#' or '.')");
        ink.push_back(c == kInkPixel);
    }
}

// Reads the drawing whose header is lines[at]; advances past its last row.
Mask ParseDrawing(const std::vector<Line>& lines, std::size_t& at)
{
    const Line& header = lines[at++];
    Mask mask{ParseHeader(header), {}};
    int rows = 0;
    for (; at < lines.size() && !IsHeader(lines[at]) && rows < mask.size; ++at, ++rows)
        ParseRow(lines[at], mask.size, mask.ink);
    if (rows < mask.size)
        Fail(header.number, "the " + SizeName(mask.size) + " drawing has " + std::to_string(rows) + " rows, not " +
                                  std::to_string(mask.size));
    return mask;
}

bool IsPixelRow(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == kInkPixel || c == kBackgroundPixel; });
}

// A line that is neither a header nor a row of the drawing above it.
[[noreturn]] void FailOutsideDrawing(const Line& line, const std::vector<Mask>& masks)
{
    if (!masks.empty() && IsPixelRow(line.text))
        Fail(line.number, "the " + SizeName(masks.back().size) + " drawing has more than " +
                              std::to_string(masks.back().size) + " rows");
    Fail(line.number, "expected \"size N\" to start a drawing, found \"" + std::string(line.text) + "\"");
}

void SortBySize(std::vector<Mask>& masks)
{
    const auto rank = [](const Mask& m) { return std::find(kSizes.begin(), kSizes.end(), m.size) - kSizes.begin(); };
    std::sort(masks.begin(), masks.end(), [&](const Mask& a, const Mask& b) { return rank(a) < rank(b); });
}

void RequireEverySize(const std::vector<Mask>& masks)
{
    for (int size : kSizes) {
        const bool found = std::any_of(masks.begin(), masks.end(), [&](const Mask& m) { return m.size == size; });
        if (!found)
            throw MaskError("no " + SizeName(size) + " drawing");
    }
}

// ---- Writing the icon ----

constexpr std::uint32_t kDirectoryBytes = 6;
constexpr std::uint32_t kEntryBytes = 16;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint16_t kTypeIcon = 1;

void Put(Bytes& out, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void Append(Bytes& out, const Bytes& part)
{
    out.insert(out.end(), part.begin(), part.end());
}

// Bitmap rows are padded to a multiple of four bytes.
std::uint32_t RowBytes(int width, int bitCount)
{
    return static_cast<std::uint32_t>((width * bitCount + 31) / 32 * 4);
}

// The sixteen standard colours.
std::vector<Rgb> StandardColours()
{
    return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
            {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
            {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

// The standard colours, a 6 x 6 x 6 colour cube (steps of 51) and a 24-step grey ramp.
std::vector<Rgb> Colours256()
{
    std::vector<Rgb> palette = StandardColours();
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({static_cast<std::uint8_t>(51 * r), static_cast<std::uint8_t>(51 * g),
                                   static_cast<std::uint8_t>(51 * b)});
    for (int i = 0; i < 24; ++i) {
        const auto grey = static_cast<std::uint8_t>(8 + 10 * i);
        palette.push_back({grey, grey, grey});
    }
    return palette;
}

// The palette of an image; a 24-bit image has none.
std::vector<Rgb> PaletteFor(int bitCount)
{
    if (bitCount == 4)
        return StandardColours();
    if (bitCount == 8)
        return Colours256();
    return {};
}

std::uint8_t IndexOf(const std::vector<Rgb>& palette, Rgb colour)
{
    const auto found = std::find(palette.begin(), palette.end(), colour);
    if (found == palette.end())
        throw std::logic_error("a colour missing from the palette");
    return static_cast<std::uint8_t>(found - palette.begin());
}

Bytes PaletteBytes(const std::vector<Rgb>& palette)
{
    Bytes out;
    for (const Rgb& c : palette)
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    return out;
}

// Writes pixel x of a row: a palette index for 4 and 8 bits (the left pixel in
// the high nibble), blue-green-red for 24 bits.
void SetPixel(std::uint8_t* row, int x, int bitCount, const std::vector<Rgb>& palette, Rgb colour)
{
    if (bitCount == 24) {
        row[3 * x] = colour.blue;
        row[3 * x + 1] = colour.green;
        row[3 * x + 2] = colour.red;
        return;
    }
    const std::uint8_t index = IndexOf(palette, colour);
    if (bitCount == 8)
        row[x] = index;
    else
        row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
}

// The colour bitmap, bottom row first.
Bytes ColourBits(const Mask& mask, int bitCount, const std::vector<Rgb>& palette)
{
    const std::uint32_t stride = RowBytes(mask.size, bitCount);
    Bytes bits(stride * static_cast<std::uint32_t>(mask.size), 0);
    for (int y = 0; y < mask.size; ++y) {
        std::uint8_t* row = &bits[stride * static_cast<std::uint32_t>(mask.size - 1 - y)];
        for (int x = 0; x < mask.size; ++x)
            SetPixel(row, x, bitCount, palette, mask.At(x, y) ? InkFor(bitCount) : kBackground);
    }
    return bits;
}

// The transparency mask: all zero, every pixel opaque.
Bytes OpaqueMask(int size)
{
    return Bytes(RowBytes(size, 1) * static_cast<std::uint32_t>(size), 0);
}

// BITMAPINFOHEADER: the height counts the colour bitmap and the mask.
Bytes InfoHeader(int size, int bitCount, std::uint32_t bitsBytes)
{
    Bytes out;
    Put(out, kInfoHeaderBytes, 4);
    Put(out, static_cast<std::uint32_t>(size), 4);
    Put(out, static_cast<std::uint32_t>(2 * size), 4);
    Put(out, 1, 2);  // planes
    Put(out, static_cast<std::uint32_t>(bitCount), 2);
    Put(out, 0, 4);  // uncompressed
    Put(out, bitsBytes, 4);
    Put(out, 0, 4);  // horizontal resolution
    Put(out, 0, 4);  // vertical resolution
    Put(out, 0, 4);  // colours used: the whole palette
    Put(out, 0, 4);  // important colours: all
    return out;
}

// One image as the icon stores it: header, palette, colour bitmap, mask.
Bytes Image(const Mask& mask, int bitCount)
{
    const std::vector<Rgb> palette = PaletteFor(bitCount);
    const Bytes colour = ColourBits(mask, bitCount, palette);
    const Bytes opacity = OpaqueMask(mask.size);
    Bytes out = InfoHeader(mask.size, bitCount, static_cast<std::uint32_t>(colour.size() + opacity.size()));
    Append(out, PaletteBytes(palette));
    Append(out, colour);
    Append(out, opacity);
    return out;
}

// ICONDIRENTRY.
Bytes DirectoryEntry(int size, int bitCount, std::uint32_t imageBytes, std::uint32_t offset)
{
    Bytes out;
    Put(out, static_cast<std::uint32_t>(size), 1);
    Put(out, static_cast<std::uint32_t>(size), 1);
    Put(out, bitCount == 4 ? 16 : 0, 1);  // colour count, 0 for 256 and more
    Put(out, 0, 1);
    Put(out, 1, 2);  // planes
    Put(out, static_cast<std::uint32_t>(bitCount), 2);
    Put(out, imageBytes, 4);
    Put(out, offset, 4);
    return out;
}

// ICONDIR.
Bytes DirectoryHeader(std::size_t count)
{
    Bytes out;
    Put(out, 0, 2);
    Put(out, kTypeIcon, 2);
    Put(out, static_cast<std::uint32_t>(count), 2);
    return out;
}

}  // namespace

std::vector<Mask> ParseMasks(std::string_view text)
{
    const std::vector<Line> lines = ContentLines(text);
    std::vector<Mask> masks;
    for (std::size_t at = 0; at < lines.size();) {
        if (!IsHeader(lines[at]))
            FailOutsideDrawing(lines[at], masks);
        const int number = lines[at].number;
        Mask mask = ParseDrawing(lines, at);
        const bool seen = std::any_of(masks.begin(), masks.end(), [&](const Mask& m) { return m.size == mask.size; });
        if (seen)
            Fail(number, "a second " + SizeName(mask.size) + " drawing");
        masks.push_back(std::move(mask));
    }
    RequireEverySize(masks);
    SortBySize(masks);
    return masks;
}

Rgb InkFor(int bitCount)
{
    return bitCount == 8 ? kInk256 : kInk;
}

std::vector<std::uint8_t> BuildIcon(const std::vector<Mask>& masks)
{
    struct Built {
        int size;
        int bitCount;
        Bytes bytes;
    };
    std::vector<Built> images;
    for (const Mask& mask : masks)
        for (int bitCount : kBitCounts)
            images.push_back({mask.size, bitCount, Image(mask, bitCount)});

    Bytes out = DirectoryHeader(images.size());
    auto offset = static_cast<std::uint32_t>(kDirectoryBytes + kEntryBytes * images.size());
    for (const Built& image : images) {
        const auto bytes = static_cast<std::uint32_t>(image.bytes.size());
        Append(out, DirectoryEntry(image.size, image.bitCount, bytes, offset));
        offset += bytes;
    }
    for (const Built& image : images)
        Append(out, image.bytes);
    return out;
}

}  // namespace iconfile
