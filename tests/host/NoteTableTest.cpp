#include "NoteTable.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

using tones::kNotes;

namespace {

double equalTemperedPitch(std::size_t index)
{
    return 440.0 * std::pow(2.0, (static_cast<double>(index) - 33.0) / 12.0);
}

TEST(NoteTable, NamesRunChromaticallyFromC2ToE5WithSharpsOnly)
{
    const char* classes[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    ASSERT_EQ(kNotes.size(), 41u);
    for (std::size_t i = 0; i < kNotes.size(); ++i) {
        const std::string expected = classes[i % 12] + std::to_string(2 + i / 12);
        EXPECT_EQ(kNotes[i].name, expected) << "index " << i;
    }
}

TEST(NoteTable, AssetIdsStartAt212)
{
    EXPECT_EQ(tones::assetId(0), 212);
    EXPECT_EQ(tones::assetId(33), 245);
    EXPECT_EQ(tones::assetId(40), 252);
}

TEST(NoteTable, FrequencyIsEqualTemperedPitchRoundedToHundredths)
{
    for (std::size_t i = 0; i < kNotes.size(); ++i)
        EXPECT_EQ(kNotes[i].centiHertz, std::lround(equalTemperedPitch(i) * 100)) << kNotes[i].name;
    EXPECT_DOUBLE_EQ(kNotes[33].frequency(), 440.00);
    EXPECT_EQ(kNotes[0].frequency(), 65.41);  // the nearest double, exactly
}

TEST(NoteTable, PeriodsFillJustUnderOneSecondExceptASharp3)
{
    for (const auto& note : kNotes) {
        const int ceilHz = (note.centiHertz + 99) / 100;
        const int expected = std::string(note.name) == "A#3" ? 232 : ceilHz - 1;
        EXPECT_EQ(note.periods, expected) << note.name;
    }
}

TEST(NoteTable, SamplesAreTheCeilingOfPeriodsTimesRateOverExactFrequency)
{
    for (const auto& note : kNotes) {
        // N = ceil(P * 44100 / f) with f = centiHertz / 100, in integers.
        const long long numerator = static_cast<long long>(note.periods) * tones::kSampleRate * 100;
        const long long expected = (numerator + note.centiHertz - 1) / note.centiHertz;
        EXPECT_EQ(note.samples, expected) << note.name;
    }
    EXPECT_EQ(kNotes[22].periods, 232);
    EXPECT_EQ(kNotes[22].samples, 43896);
}

TEST(NoteTable, FindsNamesWholeAndCaseSensitively)
{
    struct Case {
        const char* text;
        std::optional<std::size_t> index;
    };
    const Case cases[] = {
        {"C2", 0}, {"C#2", 1}, {"A4", 33}, {"E5", 40},
        {"c#2", std::nullopt},  // other letter case
        {"a4", std::nullopt},
        {"", std::nullopt},
        {" A4", std::nullopt},  // no trimming
        {"A4 ", std::nullopt},
        {"A", std::nullopt},    // no prefix match
        {"A44", std::nullopt},
        {"Db2", std::nullopt},  // flats have no name
        {"E#2", std::nullopt},
        {"C6", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tones::findNote(c.text), c.index) << '"' << c.text << '"';
}

}  // namespace
