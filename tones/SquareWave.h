// Renders the samples of one tone asset: a square wave of whole periods at the
// note's two-decimal frequency, 8-bit unsigned mono at 44100 Hz.
#ifndef SONIVEL_TONES_SQUAREWAVE_H
#define SONIVEL_TONES_SQUAREWAVE_H

#include <cstdint>
#include <vector>

#include "NoteTable.h"

namespace tones {

constexpr std::uint8_t kHighLevel = 137;  // 128 + 9
constexpr std::uint8_t kLowLevel = 119;   // 128 - 9

std::vector<std::uint8_t> renderSquareWave(const Note& note);

}  // namespace tones

#endif
