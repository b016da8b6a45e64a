// The 41 notes Sonivel offers, C2 to E5 in equal temperament with A4 = 440 Hz,
// and the facts every tone asset is rendered from.
#ifndef SONIVEL_TONES_NOTETABLE_H
#define SONIVEL_TONES_NOTETABLE_H

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "resource.h"

namespace tones {

struct Note {
    const char* name;  // "C2", "C#2" ... "E5": sharps only, octave digit last
    int centiHertz;    // the nominal pitch rounded to 0.01 Hz, in hundredths of a hertz
    int periods;       // whole square-wave periods in the asset (P)
    int samples;       // samples in the asset (N), just under one second at 44100 Hz

    // The two-decimal frequency as the nearest double: dividing two exact
    // integers rounds once, so this equals the literal (65.41 for C2).
    double frequency() const { return centiHertz / 100.0; }
};

constexpr int kSampleRate = 44100;

// In list order; the list position of a note is its index here.
inline constexpr std::array<Note, 41> kNotes{{
    {"C2",   6541,  65, 43824},
    {"C#2",  6930,  69, 43910},
    {"D2",   7342,  73, 43848},
    {"D#2",  7778,  77, 43658},
    {"E2",   8241,  82, 43881},
    {"F2",   8731,  87, 43944},
    {"F#2",  9250,  92, 43862},
    {"G2",   9800,  97, 43650},
    {"G#2", 10383, 103, 43748},
    {"A2",  11000, 109, 43700},
    {"A#2", 11654, 116, 43896},
    {"B2",  12347, 123, 43933},
    {"C3",  13081, 130, 43827},
    {"C#3", 13859, 138, 43913},
    {"D3",  14683, 146, 43851},
    {"D#3", 15556, 155, 43942},
    {"E3",  16481, 164, 43884},
    {"F3",  17461, 174, 43946},
    {"F#3", 18500, 184, 43862},
    {"G3",  19600, 195, 43875},
    {"G#3", 20765, 207, 43962},
    {"A3",  22000, 219, 43900},
    {"A#3", 23308, 232, 43896},
    {"B3",  24694, 246, 43933},
    {"C4",  26163, 261, 43994},
    {"C#4", 27718, 277, 44072},
    {"D4",  29366, 293, 44001},
    {"D#4", 31113, 311, 44082},
    {"E4",  32963, 329, 44016},
    {"F4",  34923, 349, 44071},
    {"F#4", 36999, 369, 43982},
    {"G4",  39200, 391, 43988},
    {"G#4", 41530, 415, 44069},
    {"A4",  44000, 439, 44000},
    {"A#4", 46616, 466, 44085},
    {"B4",  49388, 493, 44022},
    {"C5",  52325, 523, 44079},
    {"C#5", 55437, 554, 44071},
    {"D5",  58733, 587, 44076},
    {"D#5", 62225, 622, 44083},
    {"E5",  65926, 659, 44083},
}};

// The tone asset of the note at index i is the "WAVE" resource IDR_TONE_FIRST + i.
constexpr int assetId(std::size_t index) { return IDR_TONE_FIRST + static_cast<int>(index); }

// Index of the note whose name equals the text exactly (whole, case-sensitive),
// searching in table order; none for any other text.
std::optional<std::size_t> findNote(std::string_view name);

}  // namespace tones

#endif
