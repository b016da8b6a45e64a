// The RIFF/WAVE container of a tone asset: "fmt " (8-bit mono PCM, 44100 Hz),
// "data", and the fixed 72-byte "LIST"/"INFO" chunk every asset carries.
#ifndef SONIVEL_TONES_WAVEFILE_H
#define SONIVEL_TONES_WAVEFILE_H

#include <cstdint>
#include <vector>

namespace tones {

std::vector<std::uint8_t> buildWaveFile(const std::vector<std::uint8_t>& samples);

}  // namespace tones

#endif
