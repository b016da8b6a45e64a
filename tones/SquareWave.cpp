#include "SquareWave.h"

#include <cmath>

namespace tones {

std::vector<std::uint8_t> renderSquareWave(const Note& note)
{
    // The period is taken in double precision on purpose: the samples that fall
    // exactly on a half-period boundary take their level from how this quotient
    // rounds, and the assets are defined by that rounding.
    const double period = kSampleRate / note.frequency();
    const double half = period / 2;

    std::vector<std::uint8_t> samples(static_cast<std::size_t>(note.samples));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        // fmod truncates the quotient toward zero and is exact, unlike
        // i - period * floor(i / period), whose rounded quotient shifts a few
        // boundary samples.
        const double phase = std::fmod(static_cast<double>(i), period);
        samples[i] = phase < half ? kHighLevel : kLowLevel;
    }
    return samples;
}

}  // namespace tones
