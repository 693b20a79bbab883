#include "levels/puzzles/SeededRandom.h"

#include <limits>

namespace {
// SplitMix64's constants.
constexpr quint64 golden = 0x9e3779b97f4a7c15ULL;
constexpr quint64 mixA = 0xbf58476d1ce4e5b9ULL;
constexpr quint64 mixB = 0x94d049bb133111ebULL;
constexpr int mantissaBits = 53;
constexpr double mantissaScale = 1.0 / double(1ULL << mantissaBits);
// Four uniform draws, less their mean, have a deviation of 1/sqrt(3).
constexpr int gaussDraws = 4;
constexpr double gaussMean = gaussDraws / 2.0;
constexpr double sqrt3 = 1.7320508075688772;
} // namespace

SeededRandom::SeededRandom(quint64 seed)
    : state(seed)
{
}

quint64 SeededRandom::next()
{
    quint64 z = (state += golden);
    z = (z ^ (z >> 30)) * mixA;
    z = (z ^ (z >> 27)) * mixB;
    return z ^ (z >> 31);
}

int SeededRandom::uniform(int low, int high)
{
    const quint64 range = quint64(qint64(high) - qint64(low)) + 1;
    // Draws beyond the last whole multiple of range would favour the small results.
    const quint64 limit = std::numeric_limits<quint64>::max() - std::numeric_limits<quint64>::max() % range;
    quint64 drawn = next();
    while (drawn >= limit)
        drawn = next();
    return int(qint64(low) + qint64(drawn % range));
}

double SeededRandom::unit()
{
    return double(next() >> (64 - mantissaBits)) * mantissaScale;
}

bool SeededRandom::chance(double p)
{
    return unit() < p;
}

double SeededRandom::gauss(double sigma)
{
    double sum = 0;
    for (int i = 0; i < gaussDraws; ++i)
        sum += unit();
    return (sum - gaussMean) * sqrt3 * sigma;
}
