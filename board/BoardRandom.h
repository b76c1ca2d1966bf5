#pragma once

#include <QDateTime>
#include <random>

// The board's one random source: the slideshow's styles and pictures and the clock's
// show and hide of the tiles all draw from it.
class BoardRandom
{
public:
    // Seeds from the clock, as the slideshow start and every clock tick do.
    void Randomize();
    // A whole number from 0 to bound - 1; 0 when bound is not positive.
    int Next(int bound);

private:
    std::mt19937_64 m_engine{0};
};
