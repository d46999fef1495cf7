#pragma once
// The program's one shared random generator: single-precision values in
// [0, 1), seeded from the clock. Tests feed chosen values through a source.

#include <cstdint>
#include <functional>

namespace platform {

void Randomize();                  // seed from the clock
void RandomizeWith(uint32_t seed); // a fixed seed, for reproducible runs
float Rnd();                       // next value, 0 <= r < 1

using RandomSource = std::function<float()>;
// An empty source brings back the real generator.
void setRandomSource(RandomSource source);

} // namespace platform
