#include "DlgInit.h"

namespace dlginit {
namespace {

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t remaining() const { return bytes_.size() - pos_; }

    std::optional<std::uint32_t> read(std::size_t width)
    {
        if (remaining() < width)
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= static_cast<std::uint32_t>(bytes_[pos_ + i]) << (8 * i);
        pos_ += width;
        return value;
    }

    std::optional<std::span<const std::uint8_t>> take(std::size_t count)
    {
        if (remaining() < count)
            return std::nullopt;
        auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::vector<Entry>> Parse(std::span<const std::uint8_t> block)
{
    Reader reader(block);
    std::vector<Entry> entries;
    for (;;) {
        const auto controlId = reader.read(2);
        if (!controlId)
            return std::nullopt;  // no end marker
        if (*controlId == 0)
            return entries;
        const auto message = reader.read(2);
        const auto length = reader.read(4);
        if (!message || !length)
            return std::nullopt;
        const auto data = reader.take(*length);
        if (!data || data->empty() || data->back() != 0)
            return std::nullopt;
        entries.push_back({static_cast<std::uint16_t>(*controlId), static_cast<std::uint16_t>(*message),
                           reinterpret_cast<const char*>(data->data())});
    }
}

}  // namespace dlginit
