#pragma once
// The program's one shared random generator: single-precision values in
// [0, 1), seeded from the clock. Tests feed chosen values through Rnd.

#include "seam.h"

#include <cstdint>

namespace platform {

void Randomize();                  // seed from the clock
void RandomizeWith(uint32_t seed); // a fixed seed, for reproducible runs
extern Seam<float()> Rnd;          // next value, 0 <= r < 1

} // namespace platform
