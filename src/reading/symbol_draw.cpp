#include "symbol_draw.h"

#include "platform/random.h"
#include "symbol_catalogue.h"

#include <cmath>

namespace modSymbols {

int16_t CurrentSymbol = 0;

int16_t SymbolForValue(float r)
{
    // Double precision and floor, not rounding: the largest float below 1
    // still gives 79, and 0.5 gives 40.
    return int16_t(std::floor(double(r) * SymbolCount + 1.0));
}

void DrawSymbol() { CurrentSymbol = SymbolForValue(platform::Rnd()); }

void drawReading()
{
    DrawSymbol();
    LoadSymbols();
}

} // namespace modSymbols
