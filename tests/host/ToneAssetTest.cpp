#include <cmath>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "NoteTable.h"
#include "SquareWave.h"
#include "WaveFile.h"

using tones::kNotes;
using tones::Note;
using Bytes = std::vector<std::uint8_t>;

namespace {

const Note& note(const std::string& name)
{
    return kNotes.at(tones::findNote(name).value());
}

std::uint32_t u32At(const Bytes& b, std::size_t at)
{
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | static_cast<std::uint32_t>(b.at(at + 3)) << 24;
}

std::uint16_t u16At(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

std::string tagAt(const Bytes& b, std::size_t at)
{
    return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + 4));
}

// Lengths of the alternating runs of equal samples.
std::vector<std::size_t> runs(const Bytes& samples)
{
    std::vector<std::size_t> lengths;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (i == 0 || samples[i] != samples[i - 1])
            lengths.push_back(0);
        ++lengths.back();
    }
    return lengths;
}

// An independent reference for the samples, in exact integer arithmetic: sample i
// sits at phase i * f / 44100 = i * centiHertz / 4410000 periods. Only samples on
// an exact half-period boundary depend on how the double-precision period T rounds
// against the exact period 4410000 / centiHertz: above it, they take the level of
// the half-period that ends there; equal or below, of the one that begins there.
constexpr long long kPhaseDenominator = tones::kSampleRate * 100LL;

int periodAgainstExact(const Note& n)  // -1 below, 0 equal, +1 above
{
    const double period = tones::kSampleRate / n.frequency();
    int exponent = 0;
    const double fraction = std::frexp(period, &exponent);
    const auto mantissa = static_cast<unsigned __int128>(std::ldexp(fraction, 53));
    // period = mantissa * 2^(exponent - 53); compare period * centiHertz with 4410000.
    const unsigned __int128 lhs = mantissa * static_cast<unsigned>(n.centiHertz);
    const unsigned __int128 rhs = static_cast<unsigned __int128>(kPhaseDenominator) << (53 - exponent);
    return lhs < rhs ? -1 : lhs > rhs ? 1 : 0;
}

std::uint8_t referenceSample(const Note& n, long long i, int against)
{
    if (i == 0)
        return tones::kHighLevel;
    const long long phase = i * n.centiHertz % kPhaseDenominator;
    if (phase == 0)  // a period starts here
        return against > 0 ? tones::kLowLevel : tones::kHighLevel;
    if (2 * phase == kPhaseDenominator)  // mid-period
        return against > 0 ? tones::kHighLevel : tones::kLowLevel;
    return 2 * phase < kPhaseDenominator ? tones::kHighLevel : tones::kLowLevel;
}

bool hasBoundarySamples(const Note& n)
{
    for (long long i = 1; i < n.samples; ++i) {
        const long long phase = i * n.centiHertz % kPhaseDenominator;
        if (phase == 0 || 2 * phase == kPhaseDenominator)
            return true;
    }
    return false;
}

class ToneAsset : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const auto& n : kNotes) {
            samples_[n.name] = tones::renderSquareWave(n);
            files_[n.name] = tones::buildWaveFile(samples_[n.name]);
        }
    }
    static const Bytes& samples(const std::string& name) { return samples_.at(name); }
    static const Bytes& file(const std::string& name) { return files_.at(name); }

private:
    static inline std::map<std::string, Bytes> samples_;
    static inline std::map<std::string, Bytes> files_;
};

TEST_F(ToneAsset, FileSizes)
{
    const std::pair<const char*, std::size_t> cases[] = {
        {"C2", 43940}, {"E2", 43998}, {"A4", 44116}, {"E5", 44200}, {"G2", 43766}, {"A#4", 44202},
    };
    for (const auto& [name, size] : cases)
        EXPECT_EQ(file(name).size(), size) << name;
}

TEST_F(ToneAsset, HeaderAndChunksOfEveryAsset)
{
    for (const auto& n : kNotes) {
        const Bytes& f = file(n.name);
        SCOPED_TRACE(n.name);
        const std::size_t padded = n.samples + n.samples % 2;
        ASSERT_EQ(f.size(), padded + 116);
        EXPECT_EQ(tagAt(f, 0), "RIFF");
        EXPECT_EQ(u32At(f, 4), f.size() - 8);
        EXPECT_EQ(tagAt(f, 8), "WAVE");
        EXPECT_EQ(tagAt(f, 12), "fmt ");
        EXPECT_EQ(u32At(f, 16), 16u);
        EXPECT_EQ(u16At(f, 20), 1);  // PCM
        EXPECT_EQ(u16At(f, 22), 1);  // mono
        EXPECT_EQ(u32At(f, 24), 44100u);
        EXPECT_EQ(u32At(f, 28), 44100u);
        EXPECT_EQ(u16At(f, 32), 1);
        EXPECT_EQ(u16At(f, 34), 8);
        EXPECT_EQ(tagAt(f, 36), "data");
        EXPECT_EQ(u32At(f, 40), static_cast<std::uint32_t>(n.samples));
        EXPECT_TRUE(std::equal(samples(n.name).begin(), samples(n.name).end(), f.begin() + 44));
        if (n.samples % 2 != 0) {
            EXPECT_EQ(f[44 + n.samples], 0x00);
        }
        EXPECT_EQ(tagAt(f, 44 + padded), "LIST");
    }
}

TEST_F(ToneAsset, ListChunkIsTheSameSeventyTwoBytesEverywhere)
{
    static const char expected[] =
        "LIST\x40\0\0\0INFO"
        "ISFT\x15\0\0\0Sony Sound Forge 7.0\0\0"
        "IENG\x02\0\0\0 \0"
        "ICRD\x0b\0\0\0" "2006-05-20\0\x02";
    const Bytes want(expected, expected + sizeof expected - 1);
    ASSERT_EQ(want.size(), 72u);
    for (const auto& n : kNotes) {
        const Bytes& f = file(n.name);
        EXPECT_EQ(Bytes(f.end() - 72, f.end()), want) << n.name;
    }
}

TEST_F(ToneAsset, OddLengthE2CarriesAPadByte)
{
    const Bytes& f = file("E2");
    EXPECT_EQ(u32At(f, 40), 43881u);
    EXPECT_EQ(f[44 + 43881], 0x00);
    EXPECT_EQ(u32At(f, 4), 43990u);
    EXPECT_EQ(tagAt(f, 44 + 43882), "LIST");

    std::set<std::string> odd;
    for (const auto& n : kNotes)
        if (n.samples % 2 != 0)
            odd.insert(n.name);
    EXPECT_EQ(odd, (std::set<std::string>{"E2", "B2", "C3", "C#3", "D3", "G3", "B3", "D4", "F4", "G#4", "A#4",
                                          "C5", "C#5", "D#5", "E5"}));
}

TEST_F(ToneAsset, EverySampleFollowsTheExactPhaseRule)
{
    for (const auto& n : kNotes) {
        const Bytes& s = samples(n.name);
        const int against = periodAgainstExact(n);
        std::size_t mismatches = 0;
        for (long long i = 0; i < n.samples; ++i)
            mismatches += s[static_cast<std::size_t>(i)] != referenceSample(n, i, against);
        EXPECT_EQ(mismatches, 0u) << n.name;
    }
}

TEST_F(ToneAsset, SixNotesWouldDifferUnderExactArithmeticThroughout)
{
    std::set<std::string> rounded;
    for (const auto& n : kNotes)
        if (periodAgainstExact(n) > 0 && hasBoundarySamples(n))
            rounded.insert(n.name);
    EXPECT_EQ(rounded, (std::set<std::string>{"C#2", "F#2", "A2", "F#3", "A3", "A4"}));
    EXPECT_EQ(periodAgainstExact(note("C5")), -1);
    EXPECT_EQ(periodAgainstExact(note("G2")), 0);
}

TEST_F(ToneAsset, BoundarySamples)
{
    struct Case {
        const char* note;
        long long first, step;  // first, first + step, ... below N
        std::uint8_t level;
    };
    const Case cases[] = {
        {"C#2", 7000, 7000, 119}, {"C#2", 3500, 7000, 137},
        {"F#2", 17640, 17640, 119}, {"F#2", 8820, 17640, 137},
        {"G2", 450, 450, 137}, {"G2", 225, 450, 119},
        {"A2", 4410, 4410, 119}, {"A2", 2205, 4410, 137},
        {"F#3", 8820, 8820, 119}, {"F#3", 4410, 8820, 137},
        {"G3", 225, 225, 137},
        {"A3", 2205, 2205, 119},
        {"G4", 225, 225, 137},
        {"A4", 2205, 2205, 119},
        {"C5", 25200, 1000000, 137}, {"C5", 12600, 25200, 119},
    };
    for (const auto& c : cases) {
        const Bytes& s = samples(c.note);
        for (long long i = c.first; i < static_cast<long long>(s.size()); i += c.step)
            EXPECT_EQ(s[static_cast<std::size_t>(i)], c.level) << c.note << " sample " << i;
    }
    long long a4Count = 0;
    for (long long i = 2205; i < 44000; i += 2205)
        ++a4Count;
    EXPECT_EQ(a4Count, 19);
}

TEST_F(ToneAsset, RunLengths)
{
    auto splitRuns = [](const Bytes& s, std::set<std::size_t>& high, std::set<std::size_t>& low) {
        const auto lengths = runs(s);
        for (std::size_t i = 0; i < lengths.size(); ++i)
            (i % 2 == 0 ? high : low).insert(lengths[i]);
    };
    const std::tuple<const char*, std::set<std::size_t>, std::set<std::size_t>> cases[] = {
        {"G2", {225}, {225}},
        {"G3", {113}, {112}},
        {"G4", {56, 57}, {56}},
    };
    for (const auto& [name, high, low] : cases) {
        std::set<std::size_t> gotHigh, gotLow;
        splitRuns(samples(name), gotHigh, gotLow);
        EXPECT_EQ(gotHigh, high) << name;
        EXPECT_EQ(gotLow, low) << name;
    }
}

TEST_F(ToneAsset, WholePeriodsThatLoopWithoutASeam)
{
    for (const auto& n : kNotes) {
        const Bytes& s = samples(n.name);
        SCOPED_TRACE(n.name);
        EXPECT_EQ(s.front(), 137);
        EXPECT_EQ(s.back(), 119);
        EXPECT_EQ(runs(s).size(), 2u * n.periods);
        // Sample N, the first of the next repetition, would start period P + 1.
        EXPECT_EQ(referenceSample(n, n.samples, periodAgainstExact(n)), 137);

        const double period = tones::kSampleRate / n.frequency();
        for (std::size_t length : runs(s)) {
            EXPECT_GE(length, std::floor(period / 2));
            EXPECT_LE(length, std::ceil(period / 2));
        }
        const double looped = n.periods * 44100.0 / n.samples;
        const double pitch = 440.0 * std::pow(2.0, (static_cast<double>(&n - kNotes.data()) - 33.0) / 12.0);
        EXPECT_LT(std::abs(1200.0 * std::log2(looped / pitch)), 0.08);
    }
}

}  // namespace
