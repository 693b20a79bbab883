#ifndef SWIRLFALL_SEEDEDRANDOM_H
#define SWIRLFALL_SEEDEDRANDOM_H

#include <QtGlobal>

// A stream of numbers from a seed that is the same on every compiler, library and machine:
// SplitMix64, with its distributions written out here, since the C++ library draws
// std::uniform_int_distribution and its kin in a way of its own. Only +, -, * and / on doubles, no
// function of the maths library, so that the same seed draws the same numbers everywhere.
class SeededRandom
{
public:
    explicit SeededRandom(quint64 seed);

    quint64 next();
    // low <= result <= high.
    int uniform(int low, int high);
    // 0 <= result < 1.
    double unit();
    // True with probability p.
    bool chance(double p);
    // Near a normal distribution of mean 0 and deviation sigma (the sum of four uniform draws).
    double gauss(double sigma);

private:
    quint64 state;
};

#endif
