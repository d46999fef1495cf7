#include "random.h"

#include <chrono>
#include <random>

namespace platform {

namespace {

std::mt19937 &generator()
{
    static std::mt19937 g(5489u);
    return g;
}

float next()
{
    // 24 random bits make every float of [0, 1) at spacing 2^-24 equally
    // likely; the largest is 1 - 2^-24, never 1.0.
    return float(generator()() >> 8) * 0x1p-24f;
}

} // namespace

void Randomize()
{
    // Nanoseconds since the epoch, folded to 32 bits: two starts a moment
    // apart still get different sequences.
    const auto ticks = std::chrono::system_clock::now().time_since_epoch();
    const auto ns = uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(ticks).count());
    RandomizeWith(uint32_t(ns ^ (ns >> 32)));
}

void RandomizeWith(uint32_t seed) { generator().seed(seed); }

Seam<float()> Rnd(&next);

} // namespace platform
