#include "SquareWave.h"

#include <cmath>

namespace tones {
namespace {

// How far an estimated phase may lie from a level change (at 0, T/2 and T) and
// still be trusted. The estimate below is within about 1e-11 samples of the
// exact phase; the margin leaves room to spare.
constexpr double kMargin = 1e-6;

bool NearLevelChange(double phase, double period)
{
    return phase < kMargin || std::abs(phase - period / 2) < kMargin || period - phase < kMargin;
}

}  // namespace

std::vector<std::uint8_t> renderSquareWave(const Note& note)
{
    // The period is taken in double precision on purpose: the samples that fall
    // exactly on a half-period boundary take their level from how this quotient
    // rounds, and the assets are defined by that rounding.
    const double period = kSampleRate / note.frequency();
    const double half = period / 2;

    std::vector<std::uint8_t> samples(static_cast<std::size_t>(note.samples));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto position = static_cast<double>(i);
        // The phase is the exact remainder of i divided by the period, which
        // fmod gives (it truncates the quotient toward zero and is exact). fmod
        // is slow, so it is only asked where it can matter: the estimate from a
        // rounded quotient decides every sample away from a level change.
        double phase = position - period * std::floor(position / period);
        if (NearLevelChange(phase, period))
            phase = std::fmod(position, period);
        samples[i] = phase < half ? kHighLevel : kLowLevel;
    }
    return samples;
}

}  // namespace tones
