#include "DlgInit.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "NoteTable.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Builds blocks byte by byte, so that each case says exactly what it holds.
struct Block {
    Bytes bytes;
    Block& u16(std::uint16_t v)
    {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Block& u32(std::uint32_t v) { return u16(static_cast<std::uint16_t>(v)).u16(static_cast<std::uint16_t>(v >> 16)); }
    Block& text(const std::string& s)
    {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    Block& entry(std::uint16_t id, const std::string& zeroTerminated)
    {
        return u16(id).u16(0x0403).u32(static_cast<std::uint32_t>(zeroTerminated.size())).text(zeroTerminated);
    }
};

std::vector<std::string> Texts(const std::vector<dlginit::Entry>& entries)
{
    std::vector<std::string> texts;
    for (const auto& e : entries)
        texts.emplace_back(e.text);
    return texts;
}

TEST(DlgInit, ReadsEntriesInOrder)
{
    const Bytes block = Block().entry(1001, std::string("C2\0", 3)).entry(1002, std::string("A#4\0", 4)).u16(0).bytes;
    const auto entries = dlginit::Parse(block);
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].controlId, 1001);
    EXPECT_EQ((*entries)[0].message, dlginit::kComboAddString);
    EXPECT_EQ((*entries)[1].controlId, 1002);
    EXPECT_EQ(Texts(*entries), (std::vector<std::string>{"C2", "A#4"}));
}

TEST(DlgInit, AnEmptyBlockHasOnlyItsEndMarker)
{
    const auto entries = dlginit::Parse(Block().u16(0).bytes);
    ASSERT_TRUE(entries.has_value());
    EXPECT_TRUE(entries->empty());
}

TEST(DlgInit, RejectsMalformedAndTruncatedBlocks)
{
    const std::string a4("A4\0", 3);
    const Block valid = Block().entry(1001, a4).u16(0);
    struct Case {
        const char* what;
        Bytes block;
    };
    std::vector<Case> cases = {
        {"nothing at all", {}},
        {"half an end marker", {0x00}},
        {"no end marker", Block().entry(1001, a4).bytes},
        {"cut inside the message field", Block().entry(1001, a4).u16(1001).text("\x03").bytes},
        {"cut inside the length field", Block().entry(1001, a4).u16(1001).u16(0x0403).u16(3).bytes},
        {"length past the end", Block().u16(1001).u16(0x0403).u32(40).text(a4).u16(0).bytes},
        {"length near 4 GiB", Block().u16(1001).u16(0x0403).u32(0xFFFFFFFF).text(a4).u16(0).bytes},
        {"zero length", Block().u16(1001).u16(0x0403).u32(0).u16(0).bytes},
        {"text without its zero", Block().u16(1001).u16(0x0403).u32(2).text("A4").u16(0).bytes},
    };
    // Every proper prefix of a valid block is a truncated block.
    for (std::size_t size = 0; size < valid.bytes.size(); ++size)
        cases.push_back({"truncated valid block", Bytes(valid.bytes.begin(), valid.bytes.begin() + static_cast<long>(size))});

    for (const auto& c : cases) {
        // An exact-size heap copy, so that AddressSanitizer sees any read past the end.
        const auto copy = std::make_unique<std::uint8_t[]>(c.block.size() + (c.block.empty() ? 1 : 0));
        std::copy(c.block.begin(), c.block.end(), copy.get());
        EXPECT_FALSE(dlginit::Parse({copy.get(), c.block.size()}).has_value()) << c.what << ", " << c.block.size() << " bytes";
    }
    EXPECT_TRUE(dlginit::Parse(valid.bytes).has_value());
}

TEST(DlgInit, TheGeneratedNoteListDataHoldsTheFortyOneNamesInOrder)
{
    std::ifstream in(SONIVEL_GEN_DIR "/dlginit.bin", std::ios::binary);
    ASSERT_TRUE(in) << "the build writes " SONIVEL_GEN_DIR "/dlginit.bin";
    const Bytes block((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(block.size(), 470u);

    const auto entries = dlginit::Parse(block);
    ASSERT_TRUE(entries.has_value());
    std::vector<std::string> expected;
    for (const auto& note : tones::kNotes)
        expected.emplace_back(note.name);
    EXPECT_EQ(Texts(*entries), expected);
    for (const auto& e : *entries) {
        EXPECT_EQ(e.controlId, 1001);
        EXPECT_EQ(e.message, 0x0403);
    }
}

}  // namespace
