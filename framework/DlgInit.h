// The dialog init data that may accompany a dialog template (resource type 240):
// a packed sequence of entries, each a 16-bit control ID, a 16-bit message, a
// 32-bit data length and that many bytes of data, ended by a 16-bit zero.
// Everything little-endian, with no alignment between entries.
//
// This part only reads the format; it has no platform dependency.
#ifndef SONIVEL_FRAMEWORK_DLGINIT_H
#define SONIVEL_FRAMEWORK_DLGINIT_H

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace dlginit {

// The message code with which an entry adds its text to a combo box.
constexpr std::uint16_t kComboAddString = 0x0403;

struct Entry {
    std::uint16_t controlId;
    std::uint16_t message;
    const char* text;  // zero-terminated, inside the block
};

// The entries of a block, in order. Every length is checked against the end of
// the block before anything is read; a block that is truncated, lacks its end
// marker, or holds an entry whose data is not a zero-terminated text yields none.
std::optional<std::vector<Entry>> Parse(std::span<const std::uint8_t> block);

}  // namespace dlginit

#endif
