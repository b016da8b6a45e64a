#include "WaveFile.h"

#include <iterator>

#include "NoteTable.h"

namespace tones {
namespace {

// "LIST" (64 bytes) of type "INFO": ISFT, IENG and ICRD texts with their pads.
// The last pad byte is 0x02 in every asset, and it is kept that way.
constexpr std::uint8_t kInfoChunk[] = {
    'L', 'I', 'S', 'T', 64, 0, 0, 0, 'I', 'N', 'F', 'O',
    'I', 'S', 'F', 'T', 21, 0, 0, 0,
    'S', 'o', 'n', 'y', ' ', 'S', 'o', 'u', 'n', 'd', ' ', 'F', 'o', 'r', 'g', 'e', ' ', '7', '.', '0', 0,
    0x00,
    'I', 'E', 'N', 'G', 2, 0, 0, 0, ' ', 0,
    'I', 'C', 'R', 'D', 11, 0, 0, 0,
    '2', '0', '0', '6', '-', '0', '5', '-', '2', '0', 0,
    0x02,
};
static_assert(sizeof kInfoChunk == 72);

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void tag(const char (&id)[5])
    {
        for (int i = 0; i < 4; ++i)
            out_.push_back(static_cast<std::uint8_t>(id[i]));
    }
    void u16(std::uint16_t v) { bytes(v, 2); }
    void u32(std::uint32_t v) { bytes(v, 4); }

private:
    void bytes(std::uint32_t v, int count)
    {
        for (int i = 0; i < count; ++i)
            out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t>& out_;
};

}  // namespace

std::vector<std::uint8_t> buildWaveFile(const std::vector<std::uint8_t>& samples)
{
    const std::size_t padded = samples.size() + samples.size() % 2;
    std::vector<std::uint8_t> file;
    file.reserve(44 + padded + sizeof kInfoChunk);

    LittleEndianWriter w(file);
    w.tag("RIFF");
    w.u32(0);  // set once the size is known
    w.tag("WAVE");
    w.tag("fmt ");
    w.u32(16);
    w.u16(1);  // PCM
    w.u16(1);  // mono
    w.u32(kSampleRate);
    w.u32(kSampleRate);  // bytes per second
    w.u16(1);            // block align
    w.u16(8);            // bits per sample
    w.tag("data");
    w.u32(static_cast<std::uint32_t>(samples.size()));
    file.insert(file.end(), samples.begin(), samples.end());
    if (samples.size() % 2 != 0)
        file.push_back(0x00);
    file.insert(file.end(), std::begin(kInfoChunk), std::end(kInfoChunk));

    const auto riffSize = static_cast<std::uint32_t>(file.size() - 8);
    for (int i = 0; i < 4; ++i)
        file[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    return file;
}

}  // namespace tones
