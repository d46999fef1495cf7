#pragma once
// The draw: a reading takes the next value of the shared generator and turns
// it into an index of the catalogue (symbol_catalogue.h), from 1 to 79.

#include <cstdint>

namespace modSymbols {

extern int16_t CurrentSymbol; // 0 until the first draw

// The index a generator value r (0 <= r < 1) stands for: floor(r * 79 + 1).
int16_t SymbolForValue(float r);

// Takes the next value of the shared generator into CurrentSymbol.
void DrawSymbol();

// A reading, as a click on the coffee pot and --reading both make it: the
// catalogue loaded and the next symbol drawn into CurrentSymbol.
void drawReading();

} // namespace modSymbols
