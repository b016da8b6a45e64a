// Writes the dialog init data of the main dialog: one entry per note, in table
// order, that adds the note's name to the note list.
//
//   gen_dlginit <out.bin>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "DlgInit.h"
#include "NoteTable.h"
#include "resource.h"

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_dlginit <out.bin>\n");
        return 2;
    }
    std::vector<std::uint8_t> block;
    for (const auto& note : tones::kNotes) {
        const auto length = static_cast<std::uint32_t>(std::strlen(note.name) + 1);
        put(block, IDC_NOTE, 2);
        put(block, dlginit::kComboAddString, 2);
        put(block, length, 4);
        block.insert(block.end(), note.name, note.name + length);
    }
    put(block, 0, 2);

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "gen_dlginit: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
