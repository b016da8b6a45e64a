#include "IconFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Colour = std::array<int, 3>;  // red, green, blue

constexpr Colour kNavy = {0, 0, 128};
constexpr Colour kYellow = {255, 255, 0};
constexpr Colour kYellow256 = {255, 255, 51};

// The images the icon must hold, in order.
struct Format {
    int size;
    int bitCount;
};
constexpr std::array<Format, 9> kFormats = {
    {{48, 4}, {48, 8}, {48, 24}, {32, 4}, {32, 8}, {32, 24}, {16, 4}, {16, 8}, {16, 24}}};

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t U16(const Bytes& b, std::size_t at)
{
    return b.at(at) | static_cast<std::uint32_t>(b.at(at + 1)) << 8;
}

std::uint32_t U32(const Bytes& b, std::size_t at)
{
    return U16(b, at) | U16(b, at + 2) << 16;
}

std::size_t Stride(int width, int bitCount)
{
    return static_cast<std::size_t>((width * bitCount + 31) / 32 * 4);
}

std::size_t PaletteEntries(int bitCount)
{
    return bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0;
}

// An ICONDIRENTRY.
struct Entry {
    int width, height, colourCount, reserved, planes, bitCount;
    std::uint32_t bytes, offset;
};

std::vector<Entry> Entries(const Bytes& file)
{
    std::vector<Entry> entries;
    for (std::uint32_t i = 0; i < U16(file, 4); ++i) {
        const std::size_t at = 6 + 16 * i;
        entries.push_back({file.at(at), file.at(at + 1), file.at(at + 2), file.at(at + 3),
                           static_cast<int>(U16(file, at + 4)), static_cast<int>(U16(file, at + 6)),
                           U32(file, at + 8), U32(file, at + 12)});
    }
    return entries;
}

// One image decoded from its BITMAPINFOHEADER, palette and bitmaps.
struct Image {
    std::uint32_t headerBytes, width, height, planes, bitCount, compression;
    std::vector<Colour> pixels;  // row by row from the top
    Bytes andMask;

    Colour At(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x); }
};

Colour PaletteColour(const Bytes& file, std::size_t paletteAt, std::size_t index)
{
    const std::size_t at = paletteAt + 4 * index;
    return {file.at(at + 2), file.at(at + 1), file.at(at)};
}

Colour PixelColour(const Bytes& file, std::size_t rowAt, int x, int bitCount, std::size_t paletteAt)
{
    if (bitCount == 24) {
        const std::size_t at = rowAt + 3 * static_cast<std::size_t>(x);
        return {file.at(at + 2), file.at(at + 1), file.at(at)};
    }
    if (bitCount == 8)
        return PaletteColour(file, paletteAt, file.at(rowAt + x));
    const std::uint8_t pair = file.at(rowAt + x / 2);
    return PaletteColour(file, paletteAt, x % 2 == 0 ? pair >> 4 : pair & 0x0F);
}

Image Decode(const Bytes& file, const Entry& entry)
{
    const std::size_t at = entry.offset;
    Image image{U32(file, at), U32(file, at + 4), U32(file, at + 8), U16(file, at + 12), U16(file, at + 14),
                U32(file, at + 16), {}, {}};
    const int size = static_cast<int>(image.width);
    const int bitCount = static_cast<int>(image.bitCount);
    const std::size_t paletteAt = at + image.headerBytes;
    const std::size_t colourAt = paletteAt + 4 * PaletteEntries(bitCount);
    for (int y = 0; y < size; ++y) {
        const std::size_t rowAt = colourAt + Stride(size, bitCount) * static_cast<std::size_t>(size - 1 - y);
        for (int x = 0; x < size; ++x)
            image.pixels.push_back(PixelColour(file, rowAt, x, bitCount, paletteAt));
    }
    const std::size_t maskAt = colourAt + Stride(size, bitCount) * static_cast<std::size_t>(size);
    const std::size_t maskEnd = maskAt + Stride(size, 1) * static_cast<std::size_t>(size);
    if (maskEnd > file.size())
        throw std::out_of_range("the image runs past the end of the file");
    image.andMask.assign(file.begin() + static_cast<long>(maskAt), file.begin() + static_cast<long>(maskEnd));
    return image;
}

class ProgramIcon : public ::testing::Test {
protected:
    void SetUp() override
    {
        file_ = ReadFile(SONIVEL_GEN_DIR "/Sonivel.ico");
        ASSERT_GE(file_.size(), 6u + 16u * kFormats.size()) << "no icon at " SONIVEL_GEN_DIR "/Sonivel.ico";
        entries_ = Entries(file_);
        ASSERT_EQ(entries_.size(), kFormats.size());
        for (const Entry& entry : entries_) {
            ASSERT_LE(std::size_t{entry.offset} + entry.bytes, file_.size());
            images_.push_back(Decode(file_, entry));
        }
    }

    Bytes file_;
    std::vector<Entry> entries_;
    std::vector<Image> images_;
};

TEST_F(ProgramIcon, DirectoryListsEachSizeAndDepthInOrder)
{
    EXPECT_EQ(U16(file_, 0), 0u);  // reserved
    EXPECT_EQ(U16(file_, 2), 1u);  // an icon, not a cursor
    for (std::size_t i = 0; i < kFormats.size(); ++i) {
        const auto [size, bitCount] = kFormats[i];
        const Entry& e = entries_[i];
        SCOPED_TRACE(std::to_string(size) + " pixels at " + std::to_string(bitCount) + " bits");
        EXPECT_EQ(e.width, size);
        EXPECT_EQ(e.height, size);
        EXPECT_EQ(e.colourCount, bitCount == 4 ? 16 : 0);
        EXPECT_EQ(e.reserved, 0);
        EXPECT_EQ(e.planes, 1);
        EXPECT_EQ(e.bitCount, bitCount);
    }
}

TEST_F(ProgramIcon, ImagesFollowTheDirectoryBackToBackWithTheSizesItStates)
{
    std::uint32_t expectedOffset = 6 + 16 * static_cast<std::uint32_t>(kFormats.size());
    for (std::size_t i = 0; i < kFormats.size(); ++i) {
        const auto [size, bitCount] = kFormats[i];
        SCOPED_TRACE(std::to_string(size) + " pixels at " + std::to_string(bitCount) + " bits");
        const std::size_t bytes = 40 + 4 * PaletteEntries(bitCount) + Stride(size, bitCount) * size +
                                  Stride(size, 1) * size;
        EXPECT_EQ(entries_[i].offset, expectedOffset);
        EXPECT_EQ(entries_[i].bytes, bytes);
        expectedOffset = entries_[i].offset + entries_[i].bytes;
    }
    EXPECT_EQ(expectedOffset, file_.size());
}

TEST_F(ProgramIcon, EachHeaderDescribesAnUncompressedBitmapWithItsMask)
{
    for (std::size_t i = 0; i < kFormats.size(); ++i) {
        const auto [size, bitCount] = kFormats[i];
        const Image& image = images_[i];
        SCOPED_TRACE(std::to_string(size) + " pixels at " + std::to_string(bitCount) + " bits");
        EXPECT_EQ(image.headerBytes, 40u);
        EXPECT_EQ(image.width, static_cast<std::uint32_t>(size));
        EXPECT_EQ(image.height, static_cast<std::uint32_t>(2 * size));
        EXPECT_EQ(image.planes, 1u);
        EXPECT_EQ(image.bitCount, static_cast<std::uint32_t>(bitCount));
        EXPECT_EQ(image.compression, 0u);
    }
}

TEST_F(ProgramIcon, EveryPixelIsOpaque)
{
    for (std::size_t i = 0; i < kFormats.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i + 1));
        EXPECT_EQ(images_[i].andMask, Bytes(images_[i].andMask.size(), 0));
    }
}

TEST_F(ProgramIcon, EachImageUsesExactlyItsYellowAndNavy)
{
    for (std::size_t i = 0; i < kFormats.size(); ++i) {
        const int bitCount = kFormats[i].bitCount;
        SCOPED_TRACE("image " + std::to_string(i + 1));
        const std::set<Colour> used(images_[i].pixels.begin(), images_[i].pixels.end());
        EXPECT_EQ(used, (std::set<Colour>{bitCount == 8 ? kYellow256 : kYellow, kNavy}));
    }
}

// Catches images drawn upside down, mirrored, or with their nibbles swapped.
TEST_F(ProgramIcon, EachImageShowsTheDrawingOfItsSize)
{
    const Bytes source = ReadFile(SONIVEL_RES_DIR "/icon.txt");
    const auto masks = iconfile::ParseMasks(std::string(source.begin(), source.end()));
    for (std::size_t i = 0; i < kFormats.size(); ++i) {
        const auto [size, bitCount] = kFormats[i];
        const auto mask = std::find_if(masks.begin(), masks.end(), [&](const auto& m) { return m.size == size; });
        ASSERT_NE(mask, masks.end());
        SCOPED_TRACE("image " + std::to_string(i + 1));
        int wrong = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                wrong += (images_[i].At(x, y) == kNavy) == mask->At(x, y);
        EXPECT_EQ(wrong, 0);
    }
}

// ---- The mask text ----

std::string Row(int width)
{
    return std::string(static_cast<std::size_t>(width), '.') + "\n";
}

std::string InkAt(int width, int x)
{
    std::string row = Row(width);
    row[static_cast<std::size_t>(x)] = '#';
    return row;
}

// A blank drawing of the given number of rows, one of which may be given.
std::string Drawing(int size, int rows, int givenRow = -1, const std::string& given = "")
{
    std::string text = "size " + std::to_string(size) + "\n";
    for (int y = 0; y < rows; ++y)
        text += y == givenRow ? given : Row(size);
    return text;
}

std::string Drawing(int size)
{
    return Drawing(size, size);
}

std::string WithWindowsLineEnds(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

std::vector<std::pair<int, int>> InkedPixels(const iconfile::Mask& mask)
{
    std::vector<std::pair<int, int>> inked;
    for (int y = 0; y < mask.size; ++y)
        for (int x = 0; x < mask.size; ++x)
            if (mask.At(x, y))
                inked.emplace_back(x, y);
    return inked;
}

TEST(IconMasks, ReadsEachDrawingLargestFirstSkippingCommentsAndBlankLines)
{
    const std::string text = "; the small one first\n\n" + WithWindowsLineEnds(Drawing(16, 16, 3, InkAt(16, 9))) +
                             "\n  \n" + Drawing(48, 48, 0, InkAt(48, 0)) + "; a comment between\n" +
                             Drawing(32, 32, 31, InkAt(32, 31));
    const auto masks = iconfile::ParseMasks(text);

    ASSERT_EQ(masks.size(), 3u);
    EXPECT_EQ(masks[0].size, 48);
    EXPECT_EQ(masks[1].size, 32);
    EXPECT_EQ(masks[2].size, 16);
    using Pixels = std::vector<std::pair<int, int>>;
    EXPECT_EQ(InkedPixels(masks[0]), (Pixels{{0, 0}}));
    EXPECT_EQ(InkedPixels(masks[1]), (Pixels{{31, 31}}));
    EXPECT_EQ(InkedPixels(masks[2]), (Pixels{{9, 3}}));
}

struct Malformed {
    const char* what;
    std::string text;
    const char* message;  // part of what the error says
};

TEST(IconMasks, RejectsMalformedTextNamingTheFault)
{
    const std::string rest = Drawing(32) + Drawing(16);
    const std::vector<Malformed> cases = {
        {"empty", "", "no 48 x 48 drawing"},
        {"a size missing", Drawing(48) + Drawing(32), "no 16 x 16 drawing"},
        {"a size twice", Drawing(48) + Drawing(32) + Drawing(32) + Drawing(16), "line 83: a second 32 x 32 drawing"},
        {"a size the icon lacks", Drawing(24) + Drawing(48) + rest, "line 1: the icon has no 24 x 24 image"},
        {"a header without a number", "size forty-eight\n" + rest, "line 1: \"size forty-eight\" is not \"size N\""},
        {"a header with trailing text", "size 48 px\n" + rest, "line 1: \"size 48 px\" is not \"size N\""},
        {"rows before any header", Row(48) + Drawing(48) + rest, "line 1: expected \"size N\""},
        {"a row too narrow", Drawing(48, 48, 1, Row(47)) + rest, "line 3: a row of 47 pixels in the 48 x 48 drawing"},
        {"a row too wide", Drawing(48, 48, 47, Row(49)) + rest, "line 49: a row of 49 pixels"},
        {"too few rows", Drawing(48, 47) + rest, "line 1: the 48 x 48 drawing has 47 rows"},
        {"too few rows at the end", Drawing(48) + Drawing(32) + Drawing(16, 15), "line 83: the 16 x 16 drawing has 15"},
        {"too many rows", Drawing(48, 49) + rest, "line 50: the 48 x 48 drawing has more than 48 rows"},
        {"an unknown character", Drawing(48, 48, 0, "....x" + Row(43)) + rest,
         "line 2: unknown character 'x' in column 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            iconfile::ParseMasks(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const iconfile::MaskError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

}  // namespace
